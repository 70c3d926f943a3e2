#include "label_fit.h"

#include <QtTest>

#include <optional>

Q_DECLARE_METATYPE(std::optional<int>)

namespace QTest {
template <> char *toString(const std::optional<int> &size)
{
    return size ? QTest::toString(*size) : qstrdup("keep the font");
}
} // namespace QTest

// The caption fitting arithmetic, with widths and sizes given as plain numbers.
class label_fit_test : public QObject
{
    Q_OBJECT
private slots:
    void width_step_data();
    void width_step();
    void narrowing_data();
    void narrowing();
    void height_step_data();
    void height_step();
};

void label_fit_test::width_step_data()
{
    QTest::addColumn<int>("label_width");
    QTest::addColumn<int>("text_width");
    QTest::addColumn<qreal>("point_size");
    QTest::addColumn<std::optional<int>>("expected");

    const std::optional<int> keep;
    QTest::newRow("ratio_1_0_exact_fit_keeps") << 100 << 100 << 9.0 << keep;
    QTest::newRow("ratio_1_25_upper_bound_keeps") << 125 << 100 << 9.0 << keep;
    QTest::newRow("ratio_1_3_enlarges_truncated") << 130 << 100 << 9.0 << std::optional<int>(11);
    QTest::newRow("ratio_0_8_shrinks_to_7_not_7_2") << 80 << 100 << 9.0 << std::optional<int>(7);
    QTest::newRow("form_label_111_text_130_gives_9") << 111 << 130 << 11.0 << std::optional<int>(9);
    QTest::newRow("just_below_1_shrinks") << 99 << 100 << 9.0 << std::optional<int>(8);
    QTest::newRow("empty_text_keeps") << 111 << 0 << 11.0 << keep;
    QTest::newRow("below_one_point_keeps") << 1 << 100 << 9.0 << keep;
    QTest::newRow("pixel_sized_font_keeps") << 80 << 100 << -1.0 << keep;
}

void label_fit_test::width_step()
{
    QFETCH(int, label_width);
    QFETCH(int, text_width);
    QFETCH(qreal, point_size);
    QFETCH(std::optional<int>, expected);

    QCOMPARE(label_fit::width_fitted_point_size(label_width, text_width, point_size), expected);
}

void label_fit_test::narrowing_data()
{
    QTest::addColumn<int>("label_width");
    QTest::addColumn<int>("point_size");
    QTest::addColumn<QList<int>>("text_widths"); // at 1, 2, 3, ... points
    QTest::addColumn<std::optional<int>>("expected");

    const std::optional<int> keep;
    // A caption's widths in a hinted bold font, which narrows less than in proportion:
    // 134 pixels at 11 points and 115 at 9 are those of GDI's Tahoma Bold.
    const QList<int> tahoma_bold{13, 26, 39, 52, 65, 78, 92, 103, 115, 124, 134};
    QTest::newRow("hinted_widths_narrow_to_8") << 111 << 9 << tahoma_bold << std::optional<int>(8);
    QTest::newRow("fitting_at_its_size_keeps") << 111 << 8 << tahoma_bold << keep;
    QTest::newRow("exact_fit_keeps") << 115 << 9 << tahoma_bold << keep;
    QTest::newRow("fitting_at_no_size_keeps") << 10 << 9 << tahoma_bold << keep;
    QTest::newRow("pixel_sized_font_keeps") << 111 << -1 << tahoma_bold << keep;
}

void label_fit_test::narrowing()
{
    QFETCH(int, label_width);
    QFETCH(int, point_size);
    QFETCH(QList<int>, text_widths);
    QFETCH(std::optional<int>, expected);

    const auto width_at = [&text_widths](int size) { return text_widths.at(size - 1); };
    QCOMPARE(label_fit::narrowed_point_size(label_width, point_size, width_at), expected);
}

void label_fit_test::height_step_data()
{
    QTest::addColumn<int>("label_height");
    QTest::addColumn<int>("line_height");
    QTest::addColumn<qreal>("point_size");
    QTest::addColumn<std::optional<int>>("expected");

    const std::optional<int> keep;
    QTest::newRow("form_label_20_line_15_keeps") << 20 << 15 << 9.0 << keep;
    QTest::newRow("exact_fit_keeps") << 15 << 15 << 9.0 << keep;
    QTest::newRow("too_tall_shrinks_truncated") << 12 << 15 << 9.0 << std::optional<int>(7);
    QTest::newRow("no_line_height_keeps") << 20 << 0 << 9.0 << keep;
}

void label_fit_test::height_step()
{
    QFETCH(int, label_height);
    QFETCH(int, line_height);
    QFETCH(qreal, point_size);
    QFETCH(std::optional<int>, expected);

    QCOMPARE(label_fit::height_fitted_point_size(label_height, line_height, point_size), expected);
}

QTEST_APPLESS_MAIN(label_fit_test)
#include "tst_label_fit.moc"
