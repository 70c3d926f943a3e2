#include "label_fit.h"

namespace label_fit {

namespace {

// Far beyond any caption; it only keeps absurd metrics away from the int cast.
constexpr float largest_point_size = 10000.0f;

std::optional<int> scaled_point_size(qreal point_size, float ratio)
{
    const float scaled = static_cast<float>(point_size) * ratio;
    // Below one point (or a font sized in pixels, whose point size is -1) Qt
    // refuses the size anyway; keeping the font says so without a warning.
    if (!(scaled >= 1.0f && scaled < largest_point_size))
        return std::nullopt;
    return static_cast<int>(scaled);
}

} // namespace

std::optional<int> width_fitted_point_size(int label_width, int text_width, qreal point_size)
{
    // An empty caption or a font without metrics gives no ratio to go by.
    if (text_width <= 0)
        return std::nullopt;
    const float r = static_cast<float>(label_width) / static_cast<float>(text_width);
    if (r >= 1.0f && r <= 1.25f)
        return std::nullopt;
    return scaled_point_size(point_size, r);
}

std::optional<int> narrowed_point_size(int label_width, int point_size,
                                       const std::function<int(int point_size)> &text_width)
{
    for (int size = point_size; size >= 1; --size) {
        if (text_width(size) <= label_width)
            return size == point_size ? std::nullopt : std::optional<int>(size);
    }
    return std::nullopt;
}

std::optional<int> height_fitted_point_size(int label_height, int line_height, qreal point_size)
{
    if (line_height <= 0)
        return std::nullopt;
    const float h = static_cast<float>(label_height) / static_cast<float>(line_height);
    if (h >= 1.0f)
        return std::nullopt;
    return scaled_point_size(point_size, h);
}

} // namespace label_fit
