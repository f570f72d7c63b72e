#pragma once
#include <string>

#include "classlib/core/Component.h"

// What design tools show about a component.
struct TComponentDescription {
  std::string Name;
  std::string Author;
  std::string Contact;
  std::string Comment;
};

// A component with an informational About text that streams but cannot be changed.
class TInfoComponent : public TComponent {
  CL_CLASS(TInfoComponent, TComponent)
public:
  explicit TInfoComponent(TComponent* owner);

  const std::string& About() const { return about_; }
  void SetAbout(const std::string&) {}
  virtual TComponentDescription DescribeComponent() const;

private:
  std::string about_;
};
