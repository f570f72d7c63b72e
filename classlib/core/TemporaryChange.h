#pragma once
// Sets a variable for the time of a scope and puts its value back when the scope ends, also on
// an exception.
#include <utility>

template <class T>
class TTemporaryChange {
public:
  TTemporaryChange(T& variable, T value) : variable_(variable), old_(std::exchange(variable, std::move(value))) {}
  ~TTemporaryChange() { variable_ = std::move(old_); }
  TTemporaryChange(const TTemporaryChange&) = delete;
  TTemporaryChange& operator=(const TTemporaryChange&) = delete;

private:
  T& variable_;
  T old_;
};
