#include "classlib/core/Reader.h"

#include <algorithm>

#include "classlib/core/Collection.h"
#include "classlib/core/TextCodec.h"
#include "classlib/core/MemoryStream.h"
#include "classlib/core/StreamErrors.h"
#include "classlib/core/SysUtils.h"

TReader::TReader(TStream& stream) : stream_(stream), values_(stream) {}

std::string TReader::ReadString() {
  TValueType type = NextValue();
  if (type == vaWString || type == vaUTF8String) return Utf16ToGbk(values_.ReadWideString());
  return values_.ReadString();
}

std::wstring TReader::ReadWideString() {
  TValueType type = NextValue();
  if (type == vaString || type == vaLString) return GbkToUtf16(values_.ReadString());
  return values_.ReadWideString();
}

bool TReader::HandleError(const std::string& message) {
  bool handled = false;
  OnError(this, message, handled);
  return handled;
}

namespace {

// A second root of one class under one owner (two forms of a class owned by the application)
// takes the streamed name followed by "_" and the first free number, as the runtime names it.
std::string UniqueRootName(const TComponent& root, const std::string& name) {
  const TComponent* owner = root.Owner();
  auto taken = [&](const std::string& candidate) {
    const TComponent* found = owner->FindComponent(candidate);
    return found && found != &root;
  };
  if (!owner || name.empty() || !taken(name)) return name;
  for (int n = 1;; ++n)
    if (std::string numbered = name + "_" + std::to_string(n); !taken(numbered)) return numbered;
}

}  // namespace

TComponent* TReader::ReadRootComponent(TComponent* root) {
  values_.ReadSignature();
  TFilerFlags flags;
  int32_t position;
  values_.ReadPrefix(flags, position);
  std::string className = values_.ReadStr();
  std::string name = values_.ReadStr();
  bool created = !root;
  if (created) root = CreateComponent(className);
  try {
    if (!root->HasState(csDesigning)) root->SetName(UniqueRootName(*root, name));
    root_ = root;
    owner_ = root;
    loaded_.push_back(root);
    root->SetState(csLoading, true);
    root->SetState(csReading, true);
    root->ReadState(*this);
    root->SetState(csReading, false);
    ResolveFixups();
  } catch (...) {
    if (created) root->Free();
    throw;
  }
  for (TComponent* c : loaded_) c->Loaded();
  return root;
}

TComponent* TReader::CreateComponent(const std::string& className) {
  TClass cls = FindClass(className);
  TObject* instance = cls->Construct ? cls->Construct(owner_) : nullptr;
  auto* component = dynamic_cast<TComponent*>(instance);
  if (!component) {
    delete instance;
    throw EReadError("Class " + className + " is not a component class");
  }
  return component;
}

void TReader::ReadData(TComponent* instance) {
  TBinaryValueReader::TNesting nesting(values_);
  TComponent* previous = current_;
  current_ = instance;
  while (!EndOfList()) ReadProperty(instance);
  ReadListEnd();
  current_ = previous;

  TComponent* oldOwner = owner_;
  TComponent* oldParent = parent_;
  parent_ = instance->GetChildParent();
  owner_ = instance->GetChildOwner();
  if (!owner_) owner_ = root_;
  try {
    while (!EndOfList()) ReadComponent();
    ReadListEnd();
  } catch (...) {
    owner_ = oldOwner;
    parent_ = oldParent;
    throw;
  }
  owner_ = oldOwner;
  parent_ = oldParent;
}

TComponent* TReader::ReadComponent() {
  TFilerFlags flags;
  int32_t position;
  values_.ReadPrefix(flags, position);
  std::string className = values_.ReadStr();
  std::string name = values_.ReadStr();
  TComponent* component = CreateComponent(className);
  try {
    component->SetState(csLoading, true);
    component->SetState(csReading, true);
    OnSetName(this, component, name);
    component->SetName(name);
    if (component->HasParent()) component->SetParentComponent(parent_);
    if ((flags & ffChildPos) && parent_) parent_->SetChildOrder(component, position);
    component->ReadState(*this);
    component->SetState(csReading, false);
  } catch (...) {
    std::erase_if(fixups_, [&](const Fixup& f) { return f.Instance == component; });
    component->Free();
    throw;
  }
  loaded_.push_back(component);
  return component;
}

// Faults of the stream's structure end the read whatever the error handler says.
static bool IsStreamFault(const Exception& e) {
  return dynamic_cast<const EReadError*>(&e) &&
         (std::string_view(e.what()) == SReadError || std::string_view(e.what()) == SInvalidImage);
}

void TReader::ReadProperty(TPersistent* instance) {
  std::string path = values_.ReadStr();
  int64_t valueStart = stream_.Position();
  try {
    ReadPropertyAt(instance, path);
  } catch (const Exception& e) {
    pendingProperty_.clear();
    if (IsStreamFault(e) || !HandleError(e.what())) throw;
    stream_.SetPosition(valueStart);
    SkipValue();
  }
}

void TReader::ReadPropertyAt(TPersistent* instance, const std::string& path) {
  TObject* target = instance;
  std::string_view rest(path);
  size_t dot;
  while ((dot = rest.find('.')) != std::string_view::npos) {
    const TPropInfo* segment = FindPropInfo(target, rest.substr(0, dot));
    TObject* next = segment && segment->Kind == TPropKind::Class ? std::get<TObject*>(segment->Get(*target)) : nullptr;
    if (!next) throw EReadError("Property " + path + " does not exist");
    target = next;
    rest.remove_prefix(dot + 1);
  }
  if (const TPropInfo* prop = FindPropInfo(target, rest)) return ReadPropertyValue(target, *prop);
  pendingProperty_ = std::string(rest);
  if (auto* persistent = dynamic_cast<TPersistent*>(target)) persistent->DefineProperties(*this);
  bool claimed = pendingProperty_.empty();
  pendingProperty_.clear();
  if (!claimed) throw EReadError("Property " + path + " does not exist");
}

TPropValue TReader::ReadOrdinal(const TPropInfo& prop) {
  switch (prop.Kind) {
    case TPropKind::Integer:
      if (NextValue() == vaIdent) {
        int32_t value;
        std::string ident = ReadIdent();
        if (!prop.Idents || !IdentToInt(*prop.Idents, ident, value)) throw EReadError(SInvalidPropertyValue);
        return int64_t(value);
      }
      return int64_t(ReadInteger());
    case TPropKind::Int64: return ReadInt64();
    case TPropKind::Boolean:
    case TPropKind::Enum: {
      int value = prop.EnumType->ValueOf(ReadIdent());
      if (value < 0) throw EReadError(SInvalidPropertyValue);
      return int64_t(value);
    }
    default: {
      uint32_t bits = 0;
      for (const std::string& name : values_.ReadSet()) {
        int value = prop.EnumType->ValueOf(name);
        if (value < 0 || value >= 32) throw EReadError(SInvalidPropertyValue);
        bits |= uint32_t(1) << value;
      }
      return int64_t(bits);
    }
  }
}

void TReader::ReadPropertyValue(TObject* instance, const TPropInfo& prop) {
  if (prop.IsOrdinal()) return prop.Set(*instance, ReadOrdinal(prop));
  switch (prop.Kind) {
    case TPropKind::Single:
    case TPropKind::Double: return prop.Set(*instance, ReadFloat());
    case TPropKind::String: return prop.Set(*instance, ReadString());
    case TPropKind::WideString: return prop.Set(*instance, ReadWideString());
    case TPropKind::Method: {
      std::string name = ReadIdent();
      if (SameText(name, "nil")) return prop.Set(*instance, TMethod{});
      const TMethodInfo* code = root_ ? root_->MethodAddress(name) : nullptr;
      if (!code) throw EReadError(SInvalidPropertyValue);
      return prop.Set(*instance, TMethod{code, root_});
    }
    default: break;
  }
  // Class-typed: a collection in place, or a component reference by name.
  if (NextValue() == vaCollection) {
    auto* collection = dynamic_cast<TCollection*>(std::get<TObject*>(prop.Get(*instance)));
    if (!collection) throw EReadError(SInvalidPropertyValue);
    return ReadCollection(collection);
  }
  if (!prop.IsComponentReference()) throw EReadError(SInvalidPropertyValue);
  std::string name = ReadIdent();
  if (SameText(name, "nil")) return prop.Set(*instance, static_cast<TObject*>(nullptr));
  fixups_.push_back({current_, instance, &prop, name});
}

void TReader::ReadCollection(TCollection* collection) {
  TBinaryValueReader::TNesting nesting(values_);
  values_.CheckValue(vaCollection);
  collection->BeginUpdate();
  try {
    // An empty collection value empties the collection too, so that what was saved comes back.
    collection->Clear();
    while (!EndOfList()) {
      TValueType type = NextValue();
      if (type == vaInt8 || type == vaInt16 || type == vaInt32) ReadInteger();
      TCollectionItem* item = collection->Add();
      ReadListBegin();
      while (!EndOfList()) ReadProperty(item);
      ReadListEnd();
    }
    ReadListEnd();
  } catch (...) {
    collection->EndUpdate();
    throw;
  }
  collection->EndUpdate();
}

TComponent* FindReferencedComponent(TComponent* root, std::string_view name) {
  if (!root) return nullptr;
  return SameText(root->Name(), name) ? root : root->FindComponent(name);
}

void TReader::ResolveFixups() {
  for (const Fixup& f : fixups_) {
    TComponent* target = FindReferencedComponent(root_, f.Name);
    if (target) f.Prop->Set(*f.Target, static_cast<TObject*>(target));
  }
  fixups_.clear();
}

void TReader::DefineProperty(const std::string& name, const std::function<void(TReader&)>& readData,
                             const std::function<void(TWriter&)>&, bool) {
  if (pendingProperty_.empty() || !SameText(name, pendingProperty_) || !readData) return;
  pendingProperty_.clear();
  readData(*this);
}

void TReader::DefineBinaryProperty(const std::string& name, const std::function<void(TStream&)>& readData,
                                   const std::function<void(TStream&)>&, bool) {
  if (pendingProperty_.empty() || !SameText(name, pendingProperty_) || !readData) return;
  pendingProperty_.clear();
  std::vector<uint8_t> bytes = values_.ReadBinary();
  TMemoryStream data;
  data.WriteBuffer(bytes.data(), int64_t(bytes.size()));
  data.SetPosition(0);
  readData(data);
}

TComponent* ReadComponentFromStream(TStream& stream, TComponent* root) {
  TReader reader(stream);
  return reader.ReadRootComponent(root);
}
