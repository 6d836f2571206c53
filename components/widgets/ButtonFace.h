// The face of the styled push button: a shaded copy of the button colour
// computed pixel by pixel, and where the picture and the caption go on it.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Graphics.h"

// How a face style shades: the growth step of the edge bands, the level a
// pressed face starts from, and how far short of the far edges the shading
// loops stop (they still cover the whole face bitmap).
struct TFaceShading {
  double EdgeStep;
  double PressedBase;
  int TrailingMargin;
};

// The shading of a style given in lower case: "xp", "flat", or any other
// text for the plain style.
TFaceShading FaceShadingOf(const std::string& style);

// The colour the face is shaded from: washed out when disabled, a little
// darker while the mouse is over the button.
COLORREF FaceBaseColor(COLORREF color, bool enabled, bool hover);

// Fills the face bitmap row by row. The band thresholds use the button's
// client size, which is two pixels larger than the bitmap for "xp".
void ShadeFace(TBitmap& face, int clientWidth, int clientHeight, COLORREF base, const TFaceShading& shading,
               bool pressed);

struct TFacePlacement {
  POINT Picture;
  POINT CaptionOrigin;
  bool EmptiesCaption;  // "notext" removes the caption for good
};

// Places a picture of iw x ih and a caption tw wide whose line is th high on a
// face of W x H, by the image mode given in lower case.
TFacePlacement PlaceOnFace(const std::string& imageMode, int W, int H, int iw, int ih, int tw, int th);
