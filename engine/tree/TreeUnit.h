#pragma once
// Makes the object tree's classes and its value objects known to component streaming, and the
// named resource objects also to the designer's "Resources" category. Runs once per process;
// later calls do nothing.
void vgRegisterObjectClasses();
