// The program on the desktop.
#include "app/RunTrainer.h"
#include "app/TubeWindowSize.h"
#include "platform/sdl/SdlBackend.h"

int main() { return RunTrainer(SdlBackend::create(&TubeWindowSize)); }
