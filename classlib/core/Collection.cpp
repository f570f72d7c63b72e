#include "classlib/core/Collection.h"

#include <algorithm>

#include "classlib/core/SysUtils.h"

CL_PUBLISHED(TCollectionItem) {}
CL_PUBLISHED(TCollection) {}

TCollectionItem::~TCollectionItem() { SetCollection(nullptr); }

void TCollectionItem::SetCollection(TCollection* collection) {
  if (collection_ == collection) return;
  if (collection_) collection_->RemoveItem(this);
  if (collection) collection->InsertItem(this);
}

int TCollectionItem::Index() const {
  if (!collection_) return -1;
  auto& items = collection_->items_;
  return int(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int index) {
  int current = Index();
  if (current < 0 || current == index) return;
  auto& items = collection_->items_;
  if (index < 0 || index >= int(items.size())) throw EListError(Format("List index out of bounds (%d)", index));
  items.erase(items.begin() + current);
  items.insert(items.begin() + index, this);
  Changed(true);
}

TPersistent* TCollectionItem::GetOwner() const { return collection_; }

void TCollectionItem::Changed(bool allItems) {
  if (collection_ && collection_->updateCount_ == 0) collection_->Update(allItems ? nullptr : this);
}

TCollection::TCollection(TClass itemClass, TPersistent* owner) : itemClass_(itemClass), owner_(owner) {}

TCollection::~TCollection() {
  updateCount_ = 1;  // no Update calls while tearing down
  Clear();
}

TCollectionItem* TCollection::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError(Format("List index out of bounds (%d)", index));
  return items_[size_t(index)];
}

TCollectionItem* TCollection::Add() {
  auto* item = dynamic_cast<TCollectionItem*>(itemClass_->Construct ? itemClass_->Construct(nullptr) : nullptr);
  if (!item) throw EListError("Cannot create an item of class " + itemClass_->Name);
  item->SetCollection(this);
  return item;
}

TCollectionItem* TCollection::Insert(int index) {
  TCollectionItem* item = Add();
  item->SetIndex(index);
  return item;
}

void TCollection::Delete(int index) { Items(index)->Free(); }

void TCollection::Clear() {
  if (items_.empty()) return;
  BeginUpdate();
  while (!items_.empty()) items_.back()->Free();
  EndUpdate();
}

void TCollection::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TCollection*>(source);
  if (!other) return TPersistent::Assign(source);
  BeginUpdate();
  Clear();
  for (TCollectionItem* item : other->items_) Add()->Assign(item);
  EndUpdate();
}

void TCollection::EndUpdate() {
  if (--updateCount_ == 0) Changed();
}

void TCollection::InsertItem(TCollectionItem* item) {
  items_.push_back(item);
  item->collection_ = this;
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* item) {
  std::erase(items_, item);
  item->collection_ = nullptr;
  Changed();
}

void TCollection::Changed() {
  if (updateCount_ == 0) Update(nullptr);
}
