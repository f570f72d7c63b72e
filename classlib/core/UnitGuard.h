#pragma once
// The once-guard of a unit's start-up and shut-down. Each unit keeps one: its initialisation runs
// at most once per process, and its finalisation only after that initialisation, at most once, so
// a second start-up registers nothing twice and a shut-down without a start-up undoes nothing.
class TUnitGuard {
public:
  // True for the one call that is to initialise the unit: the first.
  bool Initializing() { return Advance(State::New, State::Initialized); }
  // True for the one call that is to finalise the unit: the first after its initialisation.
  bool Finalizing() { return Advance(State::Initialized, State::Finalized); }

private:
  enum class State { New, Initialized, Finalized };

  bool Advance(State from, State to) {
    if (state_ != from) return false;
    state_ = to;
    return true;
  }

  State state_ = State::New;
};
