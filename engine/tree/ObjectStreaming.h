#pragma once
// Scene objects in component streams: saving in the binary ("TPF0") and text forms, reading
// into an existing object, and loading a new object of the class a stream names.
class TComponent;
class TStream;
class TvgObject;

void vgSaveObjectToStream(TvgObject* object, TStream& stream);
// The binary form converted to the object text form.
void vgSaveObjectToText(TvgObject* object, TStream& stream);
// Reads as if designing: every name read is emptied and reading errors (unknown properties, bad
// values) are skipped.
void vgReadObjectFromStream(TComponent* component, TStream& stream);

// A new object of the class the stream names, read from the stream's position; nullptr on any
// failure (wrong signature, unregistered or non-scene class, short or malformed stream).
TvgObject* vgLoadObjectFromBinary(TComponent* owner, TStream& stream);
TvgObject* vgLoadObjectFromText(TComponent* owner, TStream& stream);
