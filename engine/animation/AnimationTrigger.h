#pragma once
// Trigger texts: conditions separated by ";", each a property name, "=" and a value, as in
// "IsMouseOver=true;IsPressed=false"; blanks around every part are ignored. Only conditions on
// published enumeration properties (booleans included) count; the others are passed over.
#include <string>

class TObject;

// The state name occurs in the trigger text, letter case ignored.
bool vgTriggerMentions(const std::string& trigger, const std::string& stateName);
// At least one condition was compared and none failed; the first failure ends the comparing.
bool vgTriggerHolds(TObject* instance, const std::string& trigger);
// The result of the last condition that names an enumeration property; false when none does.
bool vgTriggerLastCondition(TObject* instance, const std::string& trigger);
