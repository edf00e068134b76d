#pragma once
// Whether a canvas state differs from what a metafile already has selected. A Clear pen or brush has no
// colour or width worth recording, so two Clear pens are the same object.
#include "output/MetafileText.h"
#include "views/Canvas.h"

namespace vartel {

inline int EffectivePenWidth(const Pen& p)
{
    return p.Width < 1 ? 1 : p.Width;
}

inline bool SameMetafilePen(const Pen& a, const Pen& b)
{
    if (a.Style != b.Style)
        return false;
    return a.Style == PenStyle::Clear || (a.Color == b.Color && EffectivePenWidth(a) == EffectivePenWidth(b));
}

inline bool SameMetafileBrush(const Brush& a, const Brush& b)
{
    return a.Style == b.Style && (a.Style == BrushStyle::Clear || a.Color == b.Color);
}

// The font object only; its colour is the separate text colour.
inline bool SameMetafileFont(const Font& a, const Font& b)
{
    return a.Size == b.Size && a.Bold == b.Bold && MetafileFaceName(a.Face) == MetafileFaceName(b.Face);
}

} // namespace vartel
