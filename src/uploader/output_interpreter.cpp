#include "output_interpreter.h"

#include "message_catalogue.h"

#include <QCoreApplication>

namespace {

// One port list line never adds more than this many ports.
const int max_ports_per_chunk = 255;

// The translation context of the lines the interpreter writes.
const char context[] = "output_interpreter";

// The labels of the tool's progress figures, and the lines the status box shows for
// them: the label translated, what follows it as the tool wrote it.
struct progress_label
{
    const char *tool_words;
    const char *shown;
};
//: %1 is the figure as the upload tool writes it, blanks included ("  42%"); keep it
//: right after the words, with no blank of its own.
const progress_label upload_label{"Upload Progress",
                                  QT_TRANSLATE_NOOP("output_interpreter", "Upload Progress%1")};
//: %1 is the figure as the upload tool writes it, blanks included ("  42%"); keep it
//: right after the words, with no blank of its own.
const progress_label verify_label{"Verify Progress",
                                  QT_TRANSLATE_NOOP("output_interpreter", "Verify Progress%1")};

QString progress_line(const progress_label &label, const QString &figure)
{
    return QCoreApplication::translate(context, label.shown).arg(figure);
}

// A line of the tool's that holds its progress figures, with each label translated
// and everything else as the tool wrote it.
QString shown_figure(const QString &line)
{
    const progress_label *first = nullptr;
    int at = -1;
    for (const progress_label *label : {&upload_label, &verify_label}) {
        const int found = static_cast<int>(line.indexOf(QLatin1String(label->tool_words)));
        if (found >= 0 && (at < 0 || found < at)) {
            first = label;
            at = found;
        }
    }
    if (first == nullptr)
        return line;
    const int rest = at + static_cast<int>(qstrlen(first->tool_words));
    return line.left(at) + progress_line(*first, shown_figure(line.mid(rest)));
}

// A row's marker whose fields run to the end of its line.
bool is_line_marker(row_effect effect)
{
    return effect == row_effect::port_list || effect == row_effect::device_found;
}

int line_end_after(const QString &text, int from)
{
    for (int i = from; i < static_cast<int>(text.size()); ++i)
        if (text.at(i) == QLatin1Char('\r') || text.at(i) == QLatin1Char('\n'))
            return i;
    return -1;
}

// Where a row's text was found, and whether it may be acted on now.
struct occurrence
{
    const char *text = nullptr;
    int at = -1;
    bool waits_for_line_end = false;
};

// The texts before `from` were read before: an ordinary text counts only when
// it ends at or after `from`, a line marker only when its line ends there (or
// the output is complete). With `from` 0 and complete output this is a plain
// search of the whole chunk.
occurrence find_row(const catalogue_row &row, const QString &text, int from, bool complete)
{
    occurrence waiting;
    for (const char *candidate : row.texts) {
        if (candidate == nullptr)
            break;
        const QLatin1String needle(candidate);
        if (!is_line_marker(row.effect)) {
            const int length = static_cast<int>(needle.size());
            const int at = static_cast<int>(
                text.indexOf(needle, qMax(0, from - length + 1), Qt::CaseSensitive));
            if (at >= 0)
                return {candidate, at, false};
            continue;
        }
        for (int at = static_cast<int>(text.indexOf(needle, 0, Qt::CaseSensitive)); at >= 0;
             at = static_cast<int>(text.indexOf(needle, at + 1, Qt::CaseSensitive))) {
            const int end = line_end_after(text, at + static_cast<int>(needle.size()));
            if (end >= 0 && end < from)
                continue; // a complete line read before
            if (end >= 0 || complete || text.size() - at > tool_output_reader::max_kept_line)
                return {candidate, at, false};
            if (!waiting.waits_for_line_end)
                waiting = {candidate, at, true};
            break;
        }
    }
    return waiting;
}

// The fields of a marker's line: the text after the first occurrence of the
// marker up to the end of that line, split at ':'. Taking them from the line
// alone keeps the tool's line ends out of the values and keeps a colon on an
// earlier line from turning the marker's own words into a field.
QStringList fields_after(const QString &chunk, const occurrence &found)
{
    const int start = found.at + static_cast<int>(qstrlen(found.text));
    const int end = line_end_after(chunk, start);
    return chunk.mid(start, end < 0 ? -1 : end - start).split(QLatin1Char(':'), Qt::KeepEmptyParts);
}

// What the tool wrote last before stepping back over it with backspaces: the last
// line of the text before the first backspace.
QString last_line_before_backspace(const QString &chunk)
{
    const int backspace = chunk.indexOf(QLatin1Char('\b'));
    const QString head = backspace < 0 ? chunk : chunk.left(backspace);
    return head.mid(head.lastIndexOf(QLatin1Char('\n')) + 1);
}

} // namespace

QString decode_tool_output(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.constData(),
                               static_cast<int>(qstrnlen(bytes.constData(), bytes.size())));
}

namespace {

// The events of `text`, of which everything before `from` was read before.
// `kept_from` gets where the part that must wait for the next read begins.
QVector<tool_event> interpret(const QString &text, int from, bool complete, int *kept_from)
{
    QVector<tool_event> events;
    for (const catalogue_row &row : tool_catalogue) {
        const occurrence found = find_row(row, text, from, complete);
        if (found.text == nullptr)
            continue;
        if (found.waits_for_line_end) {
            *kept_from = qMin(*kept_from, found.at);
            continue;
        }
        // A figure is the last line before the first backspace; one split by a
        // read starts where its text started, not where the kept part did.
        const auto figure = [&] {
            return last_line_before_backspace(text.mid(qMin(from, found.at)));
        };
        // Rows 3 to 6 tell no outcome: figures and phases, the default tool_text.
        tool_event event;
        event.row = row.number;
        switch (row.effect) {
        case row_effect::port_list:
            event.kind = course_event::tool_ports;
            for (const QString &field : fields_after(text, found)) {
                if (field.isEmpty() || event.ports.size() == max_ports_per_chunk)
                    break;
                event.ports.append(field);
            }
            // Raised even when empty: the window refills its serial box on every list.
            break;
        case row_effect::success:
            event.kind = course_event::tool_success;
            event.texts << progress_line(verify_label, QStringLiteral(" 100%")) + QLatin1Char('\r')
                        << QCoreApplication::translate("output_interpreter", "Upload Complete!") +
                               QLatin1Char('\n');
            break;
        case row_effect::upload_starts:
            event.texts << progress_line(upload_label, QStringLiteral("   0%")) + QLatin1Char('\n');
            break;
        case row_effect::verify_starts:
            event.texts << progress_line(upload_label, QStringLiteral(" 100%")) + QLatin1Char('\r')
                        << QCoreApplication::translate("output_interpreter",
                                                       "Upload complete, now verifying...") +
                               QLatin1Char('\n')
                        << progress_line(verify_label, QStringLiteral("  0%")) + QLatin1Char('\n');
            break;
        case row_effect::progress:
            // The trailing "\r" makes the status box overwrite its top line.
            event.texts << shown_figure(figure()) + QLatin1Char('\r');
            break;
        case row_effect::waiting:
            event.texts << waiting_line(figure()) + QLatin1Char('\r');
            break;
        case row_effect::device_found: {
            event.kind = course_event::device_found;
            // Port, version, name; the version may be missing, the name is the last field.
            const QStringList fields = fields_after(text, found);
            event.version = fields.value(1);
            event.name = fields.last();
            break;
        }
        case row_effect::message:
            event.kind = course_event::tool_failure;
            event.texts << message_text(row.message) + QLatin1String("\n\n");
            break;
        case row_effect::warning:
            event.kind = course_event::tool_warning;
            event.texts << message_text(row.message) + QLatin1String("\n\n");
            break;
        }
        events.append(event);
    }
    return events;
}

// The length of the longest end of `text` that is the start of a text of the
// catalogue, so that the next read can complete it.
int unfinished_text_length(const QString &text)
{
    int longest = 0;
    for (const catalogue_row &row : tool_catalogue) {
        for (const char *candidate : row.texts) {
            if (candidate == nullptr)
                break;
            const QLatin1String needle(candidate);
            const int length = static_cast<int>(needle.size());
            for (int n = qMin(length - 1, static_cast<int>(text.size())); n > longest; --n) {
                if (text.endsWith(needle.left(n), Qt::CaseSensitive)) {
                    longest = n;
                    break;
                }
            }
        }
    }
    return longest;
}

} // namespace

QVector<tool_event> interpret_chunk(const QString &chunk)
{
    int unused = static_cast<int>(chunk.size());
    return interpret(chunk, 0, true, &unused);
}

QVector<tool_event> tool_output_reader::read(const QString &chunk)
{
    const QString text = m_kept + chunk;
    const int size = static_cast<int>(text.size());
    int kept_from = size;
    const QVector<tool_event> events =
        interpret(text, static_cast<int>(m_kept.size()), false, &kept_from);
    kept_from = qMin(kept_from, size - unfinished_text_length(text));
    m_kept = text.mid(kept_from);
    return events;
}

QVector<tool_event> tool_output_reader::finish()
{
    const int size = static_cast<int>(m_kept.size());
    int unused = size;
    const QVector<tool_event> events = interpret(m_kept, size, true, &unused);
    m_kept.clear();
    return events;
}

QString waiting_line(const QString &dots)
{
    //: %1 is the upload tool's dots as it writes them while it waits ("....", ".   ");
    //: keep it right after the words, with no blank of its own.
    return QCoreApplication::translate("output_interpreter", "Please cycle power to the device%1")
        .arg(dots);
}

QString detection_message(const QString &name, const QString &version, const QString &filepath)
{
    //: %1 is the device's name, %2 the version of its bootloader, as the tool names them.
    return QCoreApplication::translate("output_interpreter",
                                       "%1 detected with bootloader version %2")
               .arg(name, version) +
           QLatin1Char('\n') +
           //: %1 is the firmware file's path.
           QCoreApplication::translate("output_interpreter", "Now flashing with %1").arg(filepath) +
           QLatin1Char('\n');
}
