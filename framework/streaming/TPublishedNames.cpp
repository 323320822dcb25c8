#include "framework/streaming/TPublishedNames.h"

#include "framework/streaming/TClassInfo.h"

void TPublishedNames::AddMethod(std::string name, std::any handler) {
  methods_.push_back({std::move(name), std::move(handler)});
}

std::any TPublishedNames::FindMethod(std::string_view name) const {
  for (const Method& m : methods_)
    if (SameText(m.Name, name)) return m.Handler;
  return {};
}

void TPublishedNames::AddField(std::string name, std::function<bool(TComponent*)> bind,
                               std::function<TComponent*()> current) {
  fields_.push_back({std::move(name), std::move(bind), std::move(current)});
}

bool TPublishedNames::BindField(std::string_view name, TComponent* component) const {
  for (const Field& f : fields_)
    if (SameText(f.Name, name)) return f.Bind(component);
  return true;
}

void TPublishedNames::ForgetComponent(const TComponent* component) const {
  for (const Field& f : fields_)
    if (f.Current() == component) f.Bind(nullptr);
}
