#pragma once
// The class-library form that hosts an object's scene: the first form among the owners of the
// scene's window control, or nullptr (a scene without a form, or an object in no scene).
class TCustomForm;
class TvgObject;

TCustomForm* vgHostForm(const TvgObject& object);
