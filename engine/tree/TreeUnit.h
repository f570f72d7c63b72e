#pragma once
// The object tree's part of the scene unit's start-up: the tree's classes and its value objects
// become known to component streaming, and the named resource objects also to the designer's
// "Resources" category. Runs once per process; later calls do nothing.
void vgInitializeTreeUnit();
