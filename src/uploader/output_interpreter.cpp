#include "output_interpreter.h"

#include "message_catalogue.h"

namespace {

// One port list line never adds more than this many ports.
const int max_ports_per_chunk = 255;

const char waiting_prompt[] = "Please cycle power to the device";

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

// Collects the reactions of one row, each marked with the row.
class row_reactions
{
public:
    row_reactions(const catalogue_row &row, QVector<tool_reaction> &list)
        : m_row(row.number), m_effect(row.effect), m_list(list)
    {}

    void text(const QString &text) { add(tool_reaction::show_text).text = text; }
    void message(const QString &text)
    {
        tool_reaction &r = add(tool_reaction::show_text);
        r.text = text;
        r.lasting = true;
    }
    void colour(status_colour colour) { add(tool_reaction::set_colour).colour = colour; }
    void ports(const QStringList &ports) { add(tool_reaction::add_ports).ports = ports; }
    void device(const QString &version, const QString &name)
    {
        tool_reaction &r = add(tool_reaction::device_found);
        r.version = version;
        r.name = name;
    }

private:
    tool_reaction &add(tool_reaction::kind_type kind)
    {
        m_list.append(tool_reaction());
        tool_reaction &r = m_list.last();
        r.kind = kind;
        r.row = m_row;
        r.effect = m_effect;
        return r;
    }

    int m_row;
    row_effect m_effect;
    QVector<tool_reaction> &m_list;
};

} // namespace

QString decode_tool_output(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.constData(),
                               static_cast<int>(qstrnlen(bytes.constData(), bytes.size())));
}

namespace {

// The reactions to `text`, of which everything before `from` was read before.
// `kept_from` gets where the part that must wait for the next read begins.
QVector<tool_reaction> interpret(const QString &text, int from, bool complete, int *kept_from)
{
    QVector<tool_reaction> reactions;
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
        row_reactions out(row, reactions);
        switch (row.effect) {
        case row_effect::port_list: {
            QStringList ports;
            for (const QString &field : fields_after(text, found)) {
                if (field.isEmpty() || ports.size() == max_ports_per_chunk)
                    break;
                ports.append(field);
            }
            // Sent even when empty: the window refills its serial box on every list.
            out.ports(ports);
            break;
        }
        case row_effect::success:
            out.colour(status_colour::green);
            out.text(QStringLiteral("Verify Progress 100%\r"));
            out.text(QStringLiteral("Upload Complete!\n"));
            break;
        case row_effect::upload_starts:
            out.text(QStringLiteral("Upload Progress   0%\n"));
            break;
        case row_effect::verify_starts:
            out.text(QStringLiteral("Upload Progress 100%\r"));
            out.text(QStringLiteral("Upload complete, now verifying...\n"));
            out.text(QStringLiteral("Verify Progress  0%\n"));
            break;
        case row_effect::progress:
            // The trailing "\r" makes the status box overwrite its top line.
            out.text(figure() + QLatin1Char('\r'));
            break;
        case row_effect::waiting:
            out.text(QLatin1String(waiting_prompt) + figure() + QLatin1Char('\r'));
            break;
        case row_effect::device_found: {
            // Port, version, name; the version may be missing, the name is the last field.
            const QStringList fields = fields_after(text, found);
            out.device(fields.value(1), fields.last());
            break;
        }
        case row_effect::message:
        case row_effect::warning:
            out.message(QLatin1String(row.message));
            out.colour(status_colour::red);
            break;
        }
    }
    return reactions;
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

QVector<tool_reaction> interpret_chunk(const QString &chunk)
{
    int unused = static_cast<int>(chunk.size());
    return interpret(chunk, 0, true, &unused);
}

QVector<tool_reaction> tool_output_reader::read(const QString &chunk)
{
    const QString text = m_kept + chunk;
    const int size = static_cast<int>(text.size());
    int kept_from = size;
    const QVector<tool_reaction> reactions =
        interpret(text, static_cast<int>(m_kept.size()), false, &kept_from);
    kept_from = qMin(kept_from, size - unfinished_text_length(text));
    m_kept = text.mid(kept_from);
    return reactions;
}

QVector<tool_reaction> tool_output_reader::finish()
{
    const int size = static_cast<int>(m_kept.size());
    int unused = size;
    const QVector<tool_reaction> reactions = interpret(m_kept, size, true, &unused);
    m_kept.clear();
    return reactions;
}

QString detection_message(const QString &name, const QString &version, const QString &filepath)
{
    return name + QLatin1String(" detected with bootloader version ") + version +
           QLatin1String("\nNow flashing with ") + filepath + QLatin1Char('\n');
}
