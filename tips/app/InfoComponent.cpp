#include "tips/app/InfoComponent.h"

CL_PUBLISHED(TInfoComponent) {
  published.Property("About", &TInfoComponent::About, &TInfoComponent::SetAbout).Stored(false);
}

TInfoComponent::TInfoComponent(TComponent* owner) : TComponent(owner), about_("Kest tips components") {}

TComponentDescription TInfoComponent::DescribeComponent() const { return {ClassName(), "Kest", "", ""}; }
