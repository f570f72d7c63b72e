#pragma once
// Reads a binary component stream ("TPF0") into components: creates children by registered class
// name, sets published properties (dotted paths into sub-objects, collections, component
// references resolved after the whole tree, events bound to the root's published methods), hands
// unknown names to DefineProperties, and calls Loaded on everything read.
#include <functional>
#include <string>
#include <vector>

#include "classlib/core/BinaryValueReader.h"
#include "classlib/core/Component.h"

class TCollection;

class TReader : public TFiler {
public:
  explicit TReader(TStream& stream);

  // Reads the signature and one object into root (nullptr: an instance of the stream's class is
  // created without owner). A root in design mode keeps its own name.
  TComponent* ReadRootComponent(TComponent* root);
  // Properties and children of one object; what TComponent::ReadState does.
  void ReadData(TComponent* instance);

  TComponent* Root() const { return root_; }
  TComponent* Owner() const { return owner_; }
  TComponent* Parent() const { return parent_; }

  // May change the name given to a component read from the stream.
  TEvent<TReader*, TComponent*, std::string&> OnSetName;
  // Decides whether a reading error is handled (the value is skipped and reading goes on).
  TEvent<TReader*, const std::string&, bool&> OnError;

  // The value layer, for DefineProperties readers.
  TValueType NextValue() { return values_.NextValue(); }
  bool EndOfList() { return values_.EndOfList(); }
  void ReadListBegin() { values_.ReadListBegin(); }
  void ReadListEnd() { values_.ReadListEnd(); }
  int32_t ReadInteger() { return values_.ReadInteger(); }
  int64_t ReadInt64() { return values_.ReadInt64(); }
  double ReadFloat() { return values_.ReadFloat(); }
  float ReadSingle() { return values_.ReadSingle(); }
  bool ReadBoolean() { return values_.ReadBoolean(); }
  std::string ReadIdent() { return values_.ReadIdent(); }
  std::string ReadString();        // 8-bit; wide values are narrowed to GBK
  std::wstring ReadWideString();   // 8-bit values are widened from GBK
  void SkipValue() { values_.SkipValue(); }

  void DefineProperty(const std::string& name, const std::function<void(TReader&)>& readData,
                      const std::function<void(TWriter&)>& writeData, bool hasData) override;
  void DefineBinaryProperty(const std::string& name, const std::function<void(TStream&)>& readData,
                            const std::function<void(TStream&)>& writeData, bool hasData) override;

private:
  struct Fixup {
    TComponent* Instance;
    TObject* Target;
    const TPropInfo* Prop;
    std::string Name;
  };
  TComponent* ReadComponent();
  TComponent* CreateComponent(const std::string& className);
  void ReadProperty(TPersistent* instance);
  void ReadPropertyAt(TPersistent* instance, const std::string& path);
  void ReadPropertyValue(TObject* instance, const TPropInfo& prop);
  TPropValue ReadOrdinal(const TPropInfo& prop);
  void ReadCollection(TCollection* collection);
  void ResolveFixups();
  bool HandleError(const std::string& message);

  TStream& stream_;
  TBinaryValueReader values_;
  TComponent* root_ = nullptr;
  TComponent* owner_ = nullptr;
  TComponent* parent_ = nullptr;
  TComponent* current_ = nullptr;  // the component whose properties are being read
  std::string pendingProperty_;     // a name DefineProperties may still claim
  std::vector<TComponent*> loaded_;
  std::vector<Fixup> fixups_;
};

// Reads a whole root component as the class library's stream routine does.
TComponent* ReadComponentFromStream(TStream& stream, TComponent* root);
// The component that a reference by name means in a stream read under root: root itself, or one
// of root's components (case-insensitive); nullptr when none, or without a root.
TComponent* FindReferencedComponent(TComponent* root, std::string_view name);
