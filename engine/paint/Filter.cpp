#include "engine/paint/Filter.h"

CL_PUBLISHED(TvgFilter) {}

TClass DefaultFilterClass = nullptr;

std::unique_ptr<TvgFilter> vgCreateDefaultFilter() {
  if (!DefaultFilterClass || !DefaultFilterClass->Construct) return nullptr;
  TObject* instance = DefaultFilterClass->Construct(nullptr);
  auto* filter = dynamic_cast<TvgFilter*>(instance);
  if (!filter) delete instance;
  return std::unique_ptr<TvgFilter>(filter);
}
