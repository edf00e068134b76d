#pragma once
// Whether a canvas state differs from what a metafile already has selected. A Clear pen or brush has no
// colour or width worth recording, so two Clear pens are the same object.
#include "output/MetafileText.h"
#include "views/Canvas.h"

namespace vartel {

inline int EffectivePenWidth(const Pen& p)
{
    return p.width < 1 ? 1 : p.width;
}

inline bool SameMetafilePen(const Pen& a, const Pen& b)
{
    if (a.style != b.style)
        return false;
    return a.style == PenStyle::Clear || (a.color == b.color && EffectivePenWidth(a) == EffectivePenWidth(b));
}

inline bool SameMetafileBrush(const Brush& a, const Brush& b)
{
    return a.style == b.style && (a.style == BrushStyle::Clear || a.color == b.color);
}

// The font object only; its colour is the separate text colour.
inline bool SameMetafileFont(const Font& a, const Font& b)
{
    return a.size == b.size && a.bold == b.bold && MetafileFaceName(a.face) == MetafileFaceName(b.face);
}

} // namespace vartel
