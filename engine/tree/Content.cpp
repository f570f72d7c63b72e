#include "engine/tree/Content.h"

#include "classlib/core/TemporaryChange.h"

CL_PUBLISHED(TvgContent) {}

void TvgContent::Realign() {
  TvgObject* parent = Parent();
  if (!parent || !parent->HasState(csLoading)) TvgVisualObject::Realign();
  if (realigningParent_ || Loading() || !parent || !parent->IsVisual()) return;
  const TTemporaryChange<bool> guard(realigningParent_, true);
  parent->Visual()->Realign();
}
