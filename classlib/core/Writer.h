#pragma once
// Writes components as a binary component stream ("TPF0"): class and name, the published
// properties that are stored and differ from their defaults (sub-objects as dotted paths,
// collections, component references by name, events by method name), DefineProperties data,
// then the children that GetChildren reports.
#include <functional>
#include <string>

#include "classlib/core/BinaryValueWriter.h"
#include "classlib/core/Component.h"

class TCollection;

class TWriter : public TFiler {
public:
  explicit TWriter(TStream& stream);

  void WriteRootComponent(TComponent* root);  // signature and the root with its children
  void WriteComponent(TComponent* component);
  // Class, name, properties and children of one object; what TComponent::WriteState does.
  void WriteData(TComponent* instance);
  TComponent* Root() const { return root_; }

  // The value layer, for DefineProperties writers.
  void WriteListBegin() { values_.WriteListBegin(); }
  void WriteListEnd() { values_.WriteListEnd(); }
  void WriteInteger(int64_t value) { values_.WriteInteger(value); }
  void WriteFloat(double value) { values_.WriteFloat(value); }
  void WriteSingle(float value) { values_.WriteSingle(value); }
  void WriteBoolean(bool value) { values_.WriteBoolean(value); }
  void WriteIdent(const std::string& ident) { values_.WriteIdent(ident); }
  void WriteString(const std::string& value) { values_.WriteString(value); }
  void WriteWideString(const std::wstring& value) { values_.WriteWideString(value); }

  void DefineProperty(const std::string& name, const std::function<void(TReader&)>& readData,
                      const std::function<void(TWriter&)>& writeData, bool hasData) override;
  void DefineBinaryProperty(const std::string& name, const std::function<void(TStream&)>& readData,
                            const std::function<void(TStream&)>& writeData, bool hasData) override;

private:
  void WriteProperties(TPersistent* instance);
  void WriteProperty(TPersistent* instance, const TPropInfo& prop);
  void WritePropName(const std::string& name) { values_.WriteStr(propPath_ + name); }
  void WriteCollection(TCollection* collection);
  std::string ReferenceName(TComponent* component) const;

  TStream& stream_;
  TBinaryValueWriter values_;
  TComponent* root_ = nullptr;
  std::string propPath_;
};

void WriteComponentToStream(TStream& stream, TComponent* root);
