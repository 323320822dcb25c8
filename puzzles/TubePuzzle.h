#pragma once
// The tube and balls: four yellow and four green balls in a narrow tube closed
// on the left, open on the right, with a niche above cell 8 where two balls
// can pass each other. Tilting rolls the balls; all yellow balls must leave
// through the exit, no green one may.
//
// After every step tick that drops no green ball the window starts its exit
// timer; the exit tick removes a ball from the exit cell and tests for success.
#include <array>
#include <string_view>

#include "platform/Geometry.h"
#include "puzzles/ReplayPuzzle.h"
#include "puzzles/TubeView.h"

class TubePuzzle : public ReplayPuzzle {
 public:
  static constexpr std::string_view kTiltUp = "Наклонить трубку ВВЕРХ";
  static constexpr std::string_view kTiltDown = "Наклонить трубку ВНИЗ";
  static constexpr std::string_view kTiltRight = "Наклонить трубку ВПРАВО >";
  static constexpr std::string_view kTiltLeft = "Наклонить трубку ВЛЕВО <";
  // In the order the commands are compared.
  static constexpr std::array<std::string_view, 4> kCommands = {kTiltUp, kTiltDown, kTiltRight, kTiltLeft};

  // Captions of the direct command buttons and the line each appends.
  static constexpr std::string_view kButtonUp = "Наклонить вверх";     // sButton2
  static constexpr std::string_view kButtonLeft = "< Влево";           // sButton3
  static constexpr std::string_view kButtonRight = "Вправо >";         // sButton4
  static constexpr std::string_view kButtonDown = "Наклонить вниз";    // sButton5

  static constexpr std::string_view kGreenFellOut = "ОШИБКА: У вас выпал ЗЕЛЁНЫЙ шарик.";
  static constexpr std::string_view kSuccess = "Отлично! Всё! :)";

  static constexpr int kExitInterval = 200;
  static constexpr int kDelayMin = 300;
  static constexpr int kDelayMax = 1000;
  static constexpr int kDelayStart = 1000;
  static constexpr int kBallSize = 28;

  // Top-left corner of the ball shapes of cell k (1 to 16) and of the niche
  // (kNicheSlot); the yellow and the green shape of a place coincide.
  static constexpr int kNicheSlot = 17;
  static TPoint BallPlace(int slot);

  // The delay field's value: its text read as an integer, 300 when the text
  // is no integer.
  static int DelayFromText(std::string_view text);

  TubePuzzle() { reset(); }

  Ball cell(int k) const { return cells_[k - 1]; }
  Ball niche() const { return niche_; }
  TubeView view() const { return {cells_, niche_}; }
  // True when no yellow ball is left in the tube proper or the niche.
  bool solved() const;

  // The delay field's current value, read by every step tick.
  void setDelay(int milliseconds) { delay_ = milliseconds; }
  int delay() const { return delay_; }

  // Start layout: ...YYYY.GGGG...., niche empty.
  void reset();
  void tiltUp();
  void tiltDown();
  void tiltRight();
  void tiltLeft();

  // Exit timer tick (`Timer2Timer`).
  ReplayScript exitTick();

  // ReplayPuzzle
  void replayReset(ReplayScript& out) override;
  void clearReset(ReplayScript& out) override;
  int stepInterval() const override;
  void perform(std::string_view line, ReplayScript& out) override;
  void showState(ReplayScript& out) override;
  void outcomeTests(ReplayScript& out) override;

 private:
  Ball& at(int k) { return cells_[k - 1]; }
  void closeGapsTowardsExit();
  void closeGapsTowardsClosedEnd();

  std::array<Ball, kTubeCells> cells_{};
  Ball niche_ = Ball::Empty;
  int delay_ = kDelayStart;
};
