#pragma once
// "Edit Default Style..." and "Edit Custom Style...": a control's applied style, and those of
// its child controls, copied into the scene's own style resources, where a style editor can
// open them. The scene gets resources with a TvgBackground root when it has none.
class TvgControl;
class IvgWindowScene;

// The custom variant files each copy under the control's Name and points the control's
// Resource at it; the default one under the control's Resource, or its class's style name.
void vgCopyStyleToScene(TvgControl& control, IvgWindowScene& scene, bool custom);
