// The pictures on the editor's buttons (red arrows, check mark, cross), drawn
// once as 16 x 16 icons with a grey embossed face for the disabled state, and
// the owner drawing of a button that shows one.
#ifndef QVCONFIG_GLYPHS_H
#define QVCONFIG_GLYPHS_H

#include <windows.h>

enum GlyphKind { GlyphArrowLeft, GlyphArrowRight, GlyphCheck, GlyphCross, GlyphCount };

struct GlyphFaces {
    HICON normal[GlyphCount];
    HICON disabled[GlyphCount];
    int dpi;  // the scale they are drawn at
};

// The glyphs drawn for dpi; a pair made anew replaces the former pair.
GlyphFaces CreateGlyphFaces(int dpi);
void RemakeGlyphFaces(GlyphFaces& faces, int dpi);
void DeleteGlyphFaces(GlyphFaces& faces);

// Paints a push button with the glyph (2 pixels from the left when the
// button has a caption, centred without one), the face chosen by the state.
void DrawGlyphButton(const DRAWITEMSTRUCT& item, const GlyphFaces& faces, GlyphKind glyph);

#endif
