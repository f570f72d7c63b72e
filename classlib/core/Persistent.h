#pragma once
#include <functional>
#include <string>

#include "classlib/core/Property.h"

class TReader;
class TWriter;
class TStream;

// What a persistent object's DefineProperties gets: a way to stream data that is not a published
// property (the binary "PNG" of a bitmap, the string list of a TStrings).
class TFiler {
public:
  virtual ~TFiler() = default;
  virtual void DefineProperty(const std::string& name, const std::function<void(TReader&)>& readData,
                              const std::function<void(TWriter&)>& writeData, bool hasData) = 0;
  virtual void DefineBinaryProperty(const std::string& name, const std::function<void(TStream&)>& readData,
                                    const std::function<void(TStream&)>& writeData, bool hasData) = 0;
};

class TPersistent : public TObject {
  CL_CLASS(TPersistent, TObject)
public:
  // Copies source into this object; raises EConvertError "Cannot assign a %s to a %s" when
  // neither side knows how.
  virtual void Assign(TPersistent* source);
  virtual void DefineProperties(TFiler& filer);
  virtual TPersistent* GetOwner() const { return nullptr; }
  virtual std::string GetNamePath() const;

protected:
  virtual void AssignTo(TPersistent* dest);
  [[noreturn]] void AssignError(TPersistent* source);
};
