#pragma once

#include <QtGlobal>

#include <functional>
#include <optional>

// The caption font of the form is chosen for one screen; on others the text of
// label_3 may overflow its fixed box or look lost in it. These give the whole
// point size that makes it fit, or nothing when the font is to stay as it is.
// Ratios are single precision and sizes are truncated, never rounded, so that a
// shrunken caption cannot come out a fraction too big for its box.
namespace label_fit {

// Width step: the label's width over the width of its text in the current font.
// A caption up to a quarter narrower than its box is left alone; anything else,
// too wide or much too narrow, is scaled by that ratio.
std::optional<int> width_fitted_point_size(int label_width, int text_width, qreal point_size);

// After the width step: the text measured again, `text_width` giving its width at a
// whole point size. Hinted fonts do not narrow in proportion to their size (GDI's
// Tahoma Bold: "Select Serial Port:" is 134 pixels at 11 points and 115 at 9, for a
// box of 111), so the width step's size can still be too wide. Gives the largest
// size below `point_size` at which the text fits, or nothing when it fits at
// `point_size` already or at no size of one point or more.
std::optional<int> narrowed_point_size(int label_width, int point_size,
                                       const std::function<int(int point_size)> &text_width);

// Height step: the label's height over the font's line height. Only shrinks.
std::optional<int> height_fitted_point_size(int label_height, int line_height, qreal point_size);

} // namespace label_fit
