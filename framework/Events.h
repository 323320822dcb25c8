#pragma once
// Event types shared by many classes. An event is a std::function member; an
// empty one means no handler. Layouts bind events to handlers of the root
// component by name (TComponent::PublishMethod).
#include <functional>

class TObject;

using TNotifyEvent = std::function<void(TObject* Sender)>;
