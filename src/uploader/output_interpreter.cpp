#include "output_interpreter.h"

#include "message_catalogue.h"

namespace {

// One port list line never adds more than this many ports.
const int max_ports_per_chunk = 255;

const char waiting_prompt[] = "Please cycle power to the device";

const char *first_text_found(const catalogue_row &row, const QString &chunk)
{
    for (const char *text : row.texts) {
        if (text == nullptr)
            break;
        if (chunk.contains(QLatin1String(text), Qt::CaseSensitive))
            return text;
    }
    return nullptr;
}

// The fields of a marker's line: the text after the first occurrence of the
// marker up to the end of that line, split at ':'. Taking them from the line
// alone keeps the tool's line ends out of the values and keeps a colon on an
// earlier line from turning the marker's own words into a field.
QStringList fields_after(const QString &chunk, const char *marker)
{
    const QLatin1String text(marker);
    const int start = chunk.indexOf(text, 0, Qt::CaseSensitive) + text.size();
    int end = start;
    while (end < chunk.size() && chunk.at(end) != QLatin1Char('\r') &&
           chunk.at(end) != QLatin1Char('\n'))
        ++end;
    return chunk.mid(start, end - start).split(QLatin1Char(':'), Qt::KeepEmptyParts);
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
    row_reactions(int row, QVector<tool_reaction> &list) : m_row(row), m_list(list) {}

    void text(const QString &text) { add(tool_reaction::show_text).text = text; }
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
        return r;
    }

    int m_row;
    QVector<tool_reaction> &m_list;
};

} // namespace

QString decode_tool_output(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.constData(),
                               static_cast<int>(qstrnlen(bytes.constData(), bytes.size())));
}

QVector<tool_reaction> interpret_chunk(const QString &chunk)
{
    QVector<tool_reaction> reactions;
    for (const catalogue_row &row : tool_catalogue) {
        const char *found = first_text_found(row, chunk);
        if (found == nullptr)
            continue;
        row_reactions out(row.number, reactions);
        switch (row.effect) {
        case row_effect::port_list: {
            QStringList ports;
            for (const QString &field : fields_after(chunk, found)) {
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
            out.text(last_line_before_backspace(chunk) + QLatin1Char('\r'));
            break;
        case row_effect::waiting:
            out.text(QLatin1String(waiting_prompt) + last_line_before_backspace(chunk) +
                     QLatin1Char('\r'));
            break;
        case row_effect::device_found: {
            // Port, version, name; the version may be missing, the name is the last field.
            const QStringList fields = fields_after(chunk, found);
            out.device(fields.value(1), fields.last());
            break;
        }
        case row_effect::message:
            out.text(QLatin1String(row.message));
            out.colour(status_colour::red);
            break;
        }
    }
    return reactions;
}

QString detection_message(const QString &name, const QString &version, const QString &filepath)
{
    return name + QLatin1String(" detected with bootloader version ") + version +
           QLatin1String("\nNow flashing with ") + filepath + QLatin1Char('\n');
}
