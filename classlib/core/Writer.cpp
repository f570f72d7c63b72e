#include "classlib/core/Writer.h"

#include "classlib/core/Collection.h"
#include "classlib/core/MemoryStream.h"
#include "classlib/core/SysUtils.h"

TWriter::TWriter(TStream& stream) : stream_(stream), values_(stream) {}

void TWriter::WriteRootComponent(TComponent* root) {
  root_ = root;
  values_.WriteSignature();
  WriteComponent(root);
}

void TWriter::WriteComponent(TComponent* component) {
  if (!root_) root_ = component;
  component->SetState(csWriting, true);
  try {
    component->WriteState(*this);
  } catch (...) {
    component->SetState(csWriting, false);
    throw;
  }
  component->SetState(csWriting, false);
}

void TWriter::WriteData(TComponent* instance) {
  values_.WriteStr(instance->ClassName());
  values_.WriteStr(instance->Name());
  WriteProperties(instance);
  WriteListEnd();
  instance->GetChildren([this](TComponent* child) { WriteComponent(child); }, root_);
  WriteListEnd();
}

void TWriter::WriteProperties(TPersistent* instance) {
  // A value that cannot be set back is not written; sub-objects are, through their own properties.
  for (const TPropInfo* prop : instance->ClassType()->Properties())
    if (prop->IsStored(*instance) && (!prop->IsReadOnly() || prop->Kind == TPropKind::Class))
      WriteProperty(instance, *prop);
  instance->DefineProperties(*this);
}

void TWriter::WriteProperty(TPersistent* instance, const TPropInfo& prop) {
  if (prop.Kind == TPropKind::Class) {
    TObject* value = std::get<TObject*>(prop.Get(*instance));
    if (!value) return;
    if (prop.IsComponentReference() && !static_cast<TComponent*>(value)->IsSubComponent()) {
      std::string name = ReferenceName(static_cast<TComponent*>(value));
      if (name.empty()) return;
      WritePropName(prop.Name);
      return WriteIdent(name);
    }
    if (auto* collection = dynamic_cast<TCollection*>(value)) {
      WritePropName(prop.Name);
      return WriteCollection(collection);
    }
    if (auto* subObject = dynamic_cast<TPersistent*>(value)) {
      std::string saved = propPath_;
      propPath_ += prop.Name + ".";
      WriteProperties(subObject);
      propPath_ = saved;
    }
    return;
  }
  if (prop.IsDefaultValue(*instance)) return;
  TPropValue value = prop.Get(*instance);
  if (prop.Kind == TPropKind::Method) {
    const TMethod& method = std::get<TMethod>(value);
    std::string name = method.Data ? method.Data->MethodName(method.Code) : "";
    if (name.empty()) return;
    WritePropName(prop.Name);
    return WriteIdent(name);
  }
  WritePropName(prop.Name);
  switch (prop.Kind) {
    case TPropKind::Integer: {
      std::string ident;
      if (prop.Idents && IntToIdent(*prop.Idents, int32_t(std::get<int64_t>(value)), ident)) return WriteIdent(ident);
      return WriteInteger(std::get<int64_t>(value));
    }
    case TPropKind::Int64: return WriteInteger(std::get<int64_t>(value));
    case TPropKind::Boolean: return WriteBoolean(std::get<int64_t>(value) != 0);
    case TPropKind::Enum: return WriteIdent(prop.EnumType->NameOf(std::get<int64_t>(value)));
    case TPropKind::Set: {
      std::vector<std::string> names;
      uint32_t bits = uint32_t(std::get<int64_t>(value));
      for (size_t i = 0; i < prop.EnumType->Names().size() && i < 32; ++i)
        if (bits & (uint32_t(1) << i)) names.push_back(prop.EnumType->Names()[i]);
      return values_.WriteSet(names);
    }
    case TPropKind::Single:
    case TPropKind::Double: return WriteFloat(std::get<double>(value));
    case TPropKind::String: return WriteString(std::get<std::string>(value));
    case TPropKind::WideString: return WriteWideString(std::get<std::wstring>(value));
    default: return;
  }
}

void TWriter::WriteCollection(TCollection* collection) {
  values_.WriteCollectionBegin();
  for (int i = 0; i < collection->Count(); ++i) {
    values_.WriteCollectionItem(std::nullopt);
    std::string saved = propPath_;
    propPath_.clear();
    WriteProperties(collection->Items(i));
    propPath_ = saved;
    WriteListEnd();
  }
  WriteListEnd();
}

std::string TWriter::ReferenceName(TComponent* component) const {
  if (component->Name().empty()) return "";
  if (component == root_ || component->Owner() == root_ || !component->Owner()) return component->Name();
  if (component->Owner()->Name().empty()) return "";
  return component->Owner()->Name() + "." + component->Name();
}

void TWriter::DefineProperty(const std::string& name, const std::function<void(TReader&)>&,
                             const std::function<void(TWriter&)>& writeData, bool hasData) {
  if (!hasData || !writeData) return;
  WritePropName(name);
  writeData(*this);
}

void TWriter::DefineBinaryProperty(const std::string& name, const std::function<void(TStream&)>&,
                                   const std::function<void(TStream&)>& writeData, bool hasData) {
  if (!hasData || !writeData) return;
  TMemoryStream data;
  writeData(data);
  WritePropName(name);
  values_.WriteBinary(data.Memory(), data.Size());
}

void WriteComponentToStream(TStream& stream, TComponent* root) {
  TWriter writer(stream);
  writer.WriteRootComponent(root);
}
