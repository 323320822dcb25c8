#include "framework/streaming/LayoutReader.h"

#include <exception>

#include "framework/TCollection.h"
#include "framework/TComponent.h"
#include "framework/graphics/ColorIdents.h"
#include "framework/streaming/LayoutError.h"
#include "framework/streaming/LayoutParser.h"
#include "framework/streaming/TClassRegistry.h"
#include "resources/Resources.h"

namespace {

std::string Join(const std::string& owner, const std::string& name) {
  return owner.empty() ? name : owner + "." + name;
}

const char* KindName(LayoutValue::Kind kind) {
  switch (kind) {
    case LayoutValue::Kind::Integer: return "a number";
    case LayoutValue::Kind::Float: return "a real number";
    case LayoutValue::Kind::String: return "a string";
    case LayoutValue::Kind::Identifier: return "a name";
    case LayoutValue::Kind::Set: return "a set";
    case LayoutValue::Kind::List: return "a list";
    case LayoutValue::Kind::Collection: return "a collection";
    case LayoutValue::Kind::Binary: return "binary data";
    case LayoutValue::Kind::Resource: return "a resource reference";
  }
  return "a value";
}

}  // namespace

LayoutReader::LayoutReader(const TClassRegistry& classes, ResourceLookup resources)
    : classes_(classes), resources_(std::move(resources)) {}

template <class F>
void LayoutReader::Guard(int line, const std::string& path, F&& step) {
  try {
    step();
  } catch (const LayoutError&) {
    throw;
  } catch (const std::exception& e) {
    std::throw_with_nested(LayoutError(file_, line, path, e.what()));
  }
}

void LayoutReader::Fail(int line, const std::string& path, const std::string& message) const {
  throw LayoutError(file_, line, path, message);
}

void LayoutReader::ReadResource(TComponent& root, std::string_view path) {
  std::optional<std::span<const std::uint8_t>> bytes = resources_ ? resources_(path) : std::nullopt;
  if (!bytes) throw LayoutError(std::string(path), 0, "", "the layout resource does not exist");
  Read(root, path, std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

void LayoutReader::Read(TComponent& root, std::string_view fileName, std::string_view text) {
  file_ = std::string(fileName);
  root_ = &root;
  loaded_.clear();
  fixups_.clear();

  LayoutNode node = LayoutParser(file_, text).Parse();
  if (!SameText(node.ClassName, root.ClassName()))
    Fail(node.Line, "", "the layout describes a " + node.ClassName + ", not a " + root.ClassName());

  root.SetState(csLoading, true);
  root.SetState(csReading, true);
  loaded_.push_back(&root);
  if (!node.Name.empty()) Guard(node.Line, "Name", [&] { root.SetName(UniqueRootName(root, node.Name)); });
  ReadBody(root, node);
  root.SetState(csReading, false);

  ResolveFixups();
  for (TComponent* component : loaded_)
    Guard(node.Line, component->Name(), [&] { component->Loaded(); });
  loaded_.clear();
  root_ = nullptr;
}

std::string LayoutReader::UniqueRootName(const TComponent& root, const std::string& name) {
  // A second form of the same class gets "Form1_1", as the first keeps the name.
  const TComponent* owner = root.Owner();
  if (!owner) return name;
  std::string candidate = name;
  for (int n = 1; owner->FindComponent(candidate) && owner->FindComponent(candidate) != &root; ++n)
    candidate = name + "_" + std::to_string(n);
  return candidate;
}

void LayoutReader::ReadBody(TComponent& component, const LayoutNode& node) {
  std::string owner = &component == root_ ? std::string() : node.Name;
  for (const LayoutProperty& property : node.Properties) SetProperty(component, owner, property);
  for (const LayoutNode& child : node.Children) ReadChild(component, child);
}

void LayoutReader::ReadChild(TComponent& parent, const LayoutNode& node) {
  const TClassInfo* cls = classes_.Find(node.ClassName);
  if (!cls) Fail(node.Line, node.Name, "unknown class " + node.ClassName);
  TComponent* component = nullptr;
  Guard(node.Line, node.Name, [&] { component = cls->Create(root_); });
  if (!component) Fail(node.Line, node.Name, "class " + node.ClassName + " cannot be created");

  component->SetState(csLoading, true);
  component->SetState(csReading, true);
  loaded_.push_back(component);
  if (!node.Name.empty()) {
    Guard(node.Line, node.Name, [&] { component->SetName(node.Name); });
    const TPublishedNames* names = root_->PublishedNames();
    if (names && !names->BindField(node.Name, component))
      Fail(node.Line, node.Name, "the field " + node.Name + " of " + root_->ClassName() + " cannot hold a " + node.ClassName);
  }
  Guard(node.Line, node.Name, [&] { component->SetParentComponent(&parent); });
  ReadBody(*component, node);
  component->SetState(csReading, false);
}

void LayoutReader::SetProperty(TPersistent& object, const std::string& owner, const LayoutProperty& property) {
  std::string path = Join(owner, property.Name);
  TPersistent* target = &object;
  std::string_view rest = property.Name;
  // Walk the nested objects of a dotted name ("Font.Height").
  for (std::size_t dot; (dot = rest.find('.')) != std::string_view::npos; rest.remove_prefix(dot + 1)) {
    std::string_view step = rest.substr(0, dot);
    const TPropertyInfo* info = target->ClassInfo().FindProperty(step);
    if (!info) Fail(property.Line, path, target->ClassName() + " has no property " + std::string(step));
    if (info->Kind != TPropertyKind::Object || !info->Read)
      Fail(property.Line, path, std::string(step) + " is not an object with properties");
    TPersistent* nested = nullptr;
    Guard(property.Line, path, [&] { nested = std::get<TPersistent*>(info->Read(*target)); });
    if (!nested) Fail(property.Line, path, std::string(step) + " is not assigned");
    target = nested;
  }
  const TPropertyInfo* info = target->ClassInfo().FindProperty(rest);
  if (!info) Fail(property.Line, path, target->ClassName() + " has no property " + std::string(rest));
  WriteValue(*target, *info, property.Value, path);
}

void LayoutReader::WriteValue(TPersistent& target, const TPropertyInfo& info, const LayoutValue& value,
                              const std::string& path) {
  switch (info.Kind) {
    case TPropertyKind::Object:
      Fail(value.Line, path, "an object takes values only through its properties (" + info.Name + ".X = ...)");
    case TPropertyKind::Collection: {
      if (value.Type != LayoutValue::Kind::Collection) Fail(value.Line, path, "expected a collection <item ... end>");
      TPersistent* collection = nullptr;
      Guard(value.Line, path, [&] { collection = std::get<TPersistent*>(info.Read(target)); });
      ReadCollection(collection, value, path);
      return;
    }
    case TPropertyKind::Component:
      if (value.Type != LayoutValue::Kind::Identifier) Fail(value.Line, path, "expected the name of a component");
      if (info.IsReadOnly()) Fail(value.Line, path, "the property is read only");
      if (SameText(value.Text, "nil")) {
        Guard(value.Line, path, [&] { info.Write(target, static_cast<TPersistent*>(nullptr)); });
        return;
      }
      // Resolved once every component of the layout exists.
      fixups_.push_back({&target, &info, value.Text, path, value.Line});
      return;
    default:
      break;
  }
  if (info.IsReadOnly()) Fail(value.Line, path, "the property is read only");
  std::vector<std::uint8_t> scratch;
  TPropertyValue converted = Convert(info, value, path, scratch);
  Guard(value.Line, path, [&] { info.Write(target, converted); });
}

void LayoutReader::ReadCollection(TPersistent* object, const LayoutValue& value, const std::string& path) {
  auto* collection = dynamic_cast<TCollection*>(object);
  if (!collection) Fail(value.Line, path, "the collection is not assigned");
  DropFixupsInside(collection);
  Guard(value.Line, path, [&] { collection->Clear(); });
  for (std::size_t i = 0; i < value.Items.size(); ++i) {
    const LayoutItem& entry = value.Items[i];
    std::string itemPath = path + "[" + std::to_string(i) + "]";
    TCollectionItem* item = nullptr;
    Guard(entry.Line, itemPath, [&] { item = collection->Add(); });
    for (const LayoutProperty& property : entry.Properties) SetProperty(*item, itemPath, property);
  }
}

TPropertyValue LayoutReader::Convert(const TPropertyInfo& info, const LayoutValue& value, const std::string& path,
                                     std::vector<std::uint8_t>& scratch) {
  using K = LayoutValue::Kind;
  auto inRange = [&](std::int64_t n) {
    if (n < info.Min || n > info.Max)
      Fail(value.Line, path,
           "the value " + std::to_string(n) + " is outside " + std::to_string(info.Min) + ".." +
               std::to_string(info.Max));
    return n;
  };
  switch (info.Kind) {
    case TPropertyKind::Integer:
      if (value.Type != K::Integer) Mismatch(value, path, "an integer");
      return inRange(value.Integer);
    case TPropertyKind::Float:
      if (value.Type == K::Integer) return static_cast<double>(value.Integer);
      if (value.Type != K::Float) Mismatch(value, path, "a number");
      return value.Float;
    case TPropertyKind::Boolean:
      if (value.Type == K::Identifier && SameText(value.Text, "True")) return true;
      if (value.Type == K::Identifier && SameText(value.Text, "False")) return false;
      Mismatch(value, path, "True or False");
    case TPropertyKind::String:
      if (value.Type != K::String) Mismatch(value, path, "a quoted string");
      return value.Text;
    case TPropertyKind::Color:
      if (value.Type == K::Identifier) {
        std::optional<TColor> color = IdentToColor(value.Text);
        if (!color) Fail(value.Line, path, "unknown colour " + value.Text);
        return static_cast<std::int64_t>(*color);
      }
      if (value.Type != K::Integer) Mismatch(value, path, "a colour name or number");
      // Layouts write system colours as negative 32-bit numbers.
      return static_cast<std::int64_t>(static_cast<std::uint32_t>(inRange(value.Integer)));
    case TPropertyKind::Enumeration:
      if (value.Type != K::Identifier) Mismatch(value, path, "one of the property's names");
      for (std::size_t i = 0; i < info.ValueNames.size(); ++i)
        if (SameText(info.ValueNames[i], value.Text)) return static_cast<std::int64_t>(i);
      Fail(value.Line, path, "unknown value " + value.Text);
    case TPropertyKind::Set: {
      if (value.Type != K::Set) Mismatch(value, path, "a set [a, b]");
      std::int64_t mask = 0;
      for (const std::string& name : value.Names) {
        std::size_t i = 0;
        while (i < info.ValueNames.size() && !SameText(info.ValueNames[i], name)) ++i;
        if (i == info.ValueNames.size()) Fail(value.Line, path, "unknown set member " + name);
        mask |= std::int64_t{1} << i;
      }
      return mask;
    }
    case TPropertyKind::Strings: {
      if (value.Type != K::List) Mismatch(value, path, "a list of strings ('a' 'b')");
      std::vector<std::string> lines;
      for (const LayoutValue& entry : value.Values) {
        if (entry.Type != K::String) Fail(entry.Line, path, "a string list holds only quoted strings");
        lines.push_back(entry.Text);
      }
      return lines;
    }
    case TPropertyKind::Binary:
      if (value.Type == K::Binary) {
        scratch = value.Bytes;
        return TBinaryData{scratch, {}};
      }
      if (value.Type == K::Resource) {
        std::optional<std::span<const std::uint8_t>> bytes = resources_ ? resources_(value.Text) : std::nullopt;
        if (!bytes) Fail(value.Line, path, "the resource file " + value.Text + " does not exist");
        return TBinaryData{*bytes, value.Text};
      }
      Mismatch(value, path, "binary data {...} or {resource 'path'}");
    case TPropertyKind::Event: {
      if (value.Type != K::Identifier) Mismatch(value, path, "the name of a handler");
      if (SameText(value.Text, "nil")) return std::any();
      const TPublishedNames* names = root_->PublishedNames();
      std::any handler = names ? names->FindMethod(value.Text) : std::any();
      if (!handler.has_value())
        Fail(value.Line, path, root_->ClassName() + " has no handler " + value.Text);
      return handler;
    }
    case TPropertyKind::Object:
    case TPropertyKind::Collection:
    case TPropertyKind::Component:
      break;
  }
  Fail(value.Line, path, "the property cannot be set from a layout");
}

void LayoutReader::Mismatch(const LayoutValue& value, const std::string& path, const char* expected) const {
  Fail(value.Line, path, std::string("expected ") + expected + ", found " + KindName(value.Type));
}

void LayoutReader::ResolveFixups() {
  for (const Fixup& f : fixups_) {
    TComponent* component = SameText(root_->Name(), f.Component) ? root_ : root_->FindComponent(f.Component);
    if (!component) Fail(f.Line, f.Path, "unknown component " + f.Component);
    if (f.Property->ReferenceClass && !component->InheritsFrom(*f.Property->ReferenceClass))
      Fail(f.Line, f.Path, f.Component + " is not a " + f.Property->ReferenceClass->Name());
    Guard(f.Line, f.Path, [&] { f.Property->Write(*f.Target, static_cast<TPersistent*>(component)); });
  }
  fixups_.clear();
}

void LayoutReader::DropFixupsInside(const TPersistent* container) {
  std::erase_if(fixups_, [&](const Fixup& f) {
    for (const TPersistent* p = f.Target; p; p = p->GetOwner())
      if (p == container) return true;
    return false;
  });
}

void ReadComponentResource(TComponent& root, std::string_view path) {
  LayoutReader(TClassRegistry::Global(), &FindResource).ReadResource(root, path);
}
