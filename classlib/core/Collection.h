#pragma once
// Collections: owned, ordered items of one item class, streamed as the stream's collection value.
#include <vector>

#include "classlib/core/Persistent.h"

class TCollection;

class TCollectionItem : public TPersistent {
  CL_CLASS(TCollectionItem, TPersistent)
public:
  TCollectionItem() = default;
  ~TCollectionItem() override;

  TCollection* Collection() const { return collection_; }
  void SetCollection(TCollection* collection);
  int Index() const;
  void SetIndex(int index);
  TPersistent* GetOwner() const override;

protected:
  void Changed(bool allItems);

private:
  friend class TCollection;
  TCollection* collection_ = nullptr;
};

class TCollection : public TPersistent {
  CL_CLASS(TCollection, TPersistent)
public:
  // itemClass must construct without arguments (TCollectionItem descendants do).
  explicit TCollection(TClass itemClass, TPersistent* owner = nullptr);
  ~TCollection() override;

  TClass ItemClass() const { return itemClass_; }
  int Count() const { return int(items_.size()); }
  TCollectionItem* Items(int index) const;  // EListError when out of range
  TCollectionItem* Add();
  TCollectionItem* Insert(int index);
  void Delete(int index);
  void Clear();
  void Assign(TPersistent* source) override;
  TPersistent* GetOwner() const override { return owner_; }

  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();
  // Called after a change of one item (nullptr: of the whole collection) once no update is open.
  virtual void Update(TCollectionItem* item) {}

private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* item);
  void RemoveItem(TCollectionItem* item);
  void Changed();
  TClass itemClass_;
  TPersistent* owner_;
  std::vector<TCollectionItem*> items_;
  int updateCount_ = 0;
};
