#pragma once
// The objects of a binary component stream as plain data: class names, property texts and
// children, read without creating any object. Style data can so be checked whatever classes
// are registered. Collection items appear as "Name[i].Item" properties.
#include <map>
#include <string>
#include <vector>

#include "classlib/core/BinaryValueReader.h"
#include "classlib/core/SysUtils.h"

struct TStyleNode {
  std::string ClassName;
  std::map<std::string, std::string> Properties;
  std::vector<TStyleNode> Children;

  std::string Property(const std::string& name) const {
    auto it = Properties.find(name);
    return it == Properties.end() ? std::string() : it->second;
  }
  // FindResource's walk: children in order, depth first, not into controls' own trees.
  const TStyleNode* FindResource(const std::string& name) const {
    for (const TStyleNode& child : Children) {
      if (SameText(child.Property("ResourceName"), name)) return &child;
      if (const TStyleNode* found = child.FindResource(name)) return found;
    }
    return nullptr;
  }
};

class TStyleTreeReader {
public:
  explicit TStyleTreeReader(TStream& stream) : values_(stream) {}

  TStyleNode Read() {
    values_.ReadSignature();
    return ReadObject();
  }

private:
  TStyleNode ReadObject() {
    TFilerFlags flags;
    int32_t position;
    values_.ReadPrefix(flags, position);
    TStyleNode node;
    node.ClassName = values_.ReadStr();
    values_.ReadStr();  // the object's name
    while (!values_.EndOfList()) ReadProperty(node, values_.ReadStr());
    values_.ReadListEnd();
    while (!values_.EndOfList()) node.Children.push_back(ReadObject());
    values_.ReadListEnd();
    return node;
  }

  void ReadProperty(TStyleNode& node, const std::string& name) {
    if (values_.NextValue() != vaCollection) {
      node.Properties[name] = ReadValueText();
      return;
    }
    values_.ReadValue();
    for (int item = 0; !values_.EndOfList(); ++item) {
      if (values_.NextValue() != vaList) values_.ReadInteger();
      values_.ReadListBegin();
      while (!values_.EndOfList()) {
        const std::string field = values_.ReadStr();
        node.Properties[name + "[" + std::to_string(item) + "]." + field] = ReadValueText();
      }
      values_.ReadListEnd();
    }
    values_.ReadListEnd();
  }

  std::string ReadValueText() {
    switch (values_.NextValue()) {
      case vaInt8:
      case vaInt16:
      case vaInt32:
      case vaInt64: return std::to_string(values_.ReadInt64());
      case vaExtended:
      case vaSingle: return FloatToStr(values_.ReadFloat());
      case vaString:
      case vaLString: return values_.ReadString();
      case vaIdent:
      case vaFalse:
      case vaTrue:
      case vaNil:
      case vaNull: return values_.ReadIdent();
      case vaSet: {
        std::string text;
        for (const std::string& element : values_.ReadSet()) text += (text.empty() ? "" : ",") + element;
        return "[" + text + "]";
      }
      default: values_.SkipValue(); return "?";
    }
  }
  TBinaryValueReader values_;
};
