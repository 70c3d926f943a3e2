#include "update_report.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSysInfo>
#include <QtGlobal>

namespace {

const char program_name[] = "Velmora Firmware Update Tool";
// Local time to the millisecond, with the zone: support may sit in another one.
const char time_format[] = "yyyy-MM-dd HH:mm:ss.zzz t";

QString when(const QDateTime &time)
{
    return time.isValid() ? time.toString(QLatin1String(time_format)) : QStringLiteral("-");
}

const char *run_title(tool_run run)
{
    switch (run) {
    case tool_run::port_list:
        return "Port list run";
    case tool_run::waiting:
        return "Waiting run (waits for the device's bootloader)";
    case tool_run::flashing:
        return "Writing run (writes and verifies the firmware)";
    case tool_run::none:
        break;
    }
    return "Run";
}

QString how_it_ended(const run_record &record)
{
    switch (record.ending) {
    case run_record::still_running:
        return QStringLiteral("still running when this report was made");
    case run_record::exited:
        return QStringLiteral("exited with exit code %1").arg(record.exit_code);
    case run_record::crashed:
        return QStringLiteral("crashed");
    case run_record::failed_to_start:
        return QStringLiteral("failed to start: ") + record.reason;
    case run_record::stopped:
        return QStringLiteral("stopped by the program: ") + record.reason;
    }
    return QString();
}

// Quoted where a space or a quote would make the line read as other arguments.
QString command_line(const run_record &record)
{
    QStringList words;
    for (const QString &word : QStringList(record.program) + record.arguments) {
        if (!word.isEmpty() && !word.contains(QLatin1Char(' ')) &&
            !word.contains(QLatin1Char('"'))) {
            words << word;
            continue;
        }
        QString quoted = word;
        quoted.replace(QLatin1Char('"'), QLatin1String("\\\""));
        words << QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    return words.join(QLatin1Char(' '));
}

void write_run(QString &out, const run_record &record)
{
    out += QLatin1String("\n== ") + QLatin1String(run_title(record.run)) + QLatin1String(" ==\n");
    out += QLatin1String("Command line: ") + command_line(record) + QLatin1Char('\n');
    out += QLatin1String("Started: ") + when(record.started) + QLatin1Char('\n');
    out += QLatin1String("Ended: ") + when(record.ended) + QLatin1Char('\n');
    out += QLatin1String("How it ended: ") + how_it_ended(record) + QLatin1Char('\n');
    out += QStringLiteral("Standard output (%1 bytes):\n").arg(record.output_size());
    QString text = escaped_output(record.head);
    if (record.left_out > 0)
        text += QStringLiteral("\n[... %1 bytes left out ...]\n").arg(record.left_out);
    text += escaped_output(record.tail);
    out += text;
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
        out += QLatin1String("\n[no line end after the last byte]\n");
    out += QLatin1String("[end of output]\n");
}

QString address(quint64 value)
{
    return QStringLiteral("0x") +
           QString::number(value, 16).toUpper().rightJustified(8, QLatin1Char('0'));
}

// What the check at Update read: support can tell the file by its hash.
void write_check(QString &out, const firmware_check &check)
{
    const hex_verdict &verdict = check.verdict;
    out += QLatin1String("\n== Firmware file as checked at Update ==\n");
    out += QLatin1String("File: ") + check.path + QLatin1Char('\n');
    if (verdict.fault != hex_fault::unreadable)
        out += QStringLiteral("Size: %1 bytes\n").arg(check.size);
    if (!check.sha256.isEmpty())
        out += QLatin1String("SHA-256: ") + QLatin1String(check.sha256) + QLatin1Char('\n');
    if (verdict.data_bytes > 0)
        out +=
            QStringLiteral("Data: %1 bytes, addresses %2 to %3%4\n")
                .arg(verdict.data_bytes)
                .arg(address(verdict.lowest), address(verdict.highest),
                     verdict.accepted() ? QString() : QStringLiteral(" (those before the fault)"));
    out += QLatin1String("Verdict: ") +
           (verdict.accepted() ? QStringLiteral("accepted")
                               : QLatin1String("refused: ") + fault_words(verdict, false)) +
           QLatin1Char('\n');
}

} // namespace

namespace {

// The length of the valid UTF-8 sequence at `at` (2 to 4 bytes), or 0: overlong
// forms, surrogates and code points past U+10FFFF are not valid.
int utf8_length(const QByteArray &bytes, int at)
{
    const auto byte = [&bytes](int i) { return static_cast<unsigned char>(bytes.at(i)); };
    const unsigned char lead = byte(at);
    int length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xbf;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        low = lead == 0xe0 ? 0xa0 : 0x80;
        high = lead == 0xed ? 0x9f : 0xbf;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        low = lead == 0xf0 ? 0x90 : 0x80;
        high = lead == 0xf4 ? 0x8f : 0xbf;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    if (byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (int i = 2; i < length; ++i)
        if (byte(at + i) < 0x80 || byte(at + i) > 0xbf)
            return 0;
    // U+0080 to U+009F are control characters as well.
    if (lead == 0xc2 && byte(at + 1) < 0xa0)
        return 0;
    return length;
}

} // namespace

QString escaped_output(const QByteArray &bytes)
{
    static const char hex_digits[] = "0123456789ABCDEF";
    QString out;
    out.reserve(bytes.size());
    const int size = static_cast<int>(bytes.size());
    for (int i = 0; i < size;) {
        const auto c = static_cast<unsigned char>(bytes.at(i));
        if (c == '\r' && i + 1 < size && bytes.at(i + 1) == '\n') {
            out += QLatin1Char('\n');
            i += 2;
            continue;
        }
        if (c >= 0x80) {
            if (const int length = utf8_length(bytes, i)) {
                out += QString::fromUtf8(bytes.constData() + i, length);
                i += length;
                continue;
            }
        }
        switch (c) {
        case '\n':
            out += QLatin1Char('\n');
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\b':
            out += QLatin1String("\\b");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        case '\\':
            out += QLatin1String("\\\\");
            break;
        default:
            if (c >= 0x20 && c < 0x7f) {
                out += QLatin1Char(static_cast<char>(c));
            } else {
                out += QLatin1String("\\x");
                out += QLatin1Char(hex_digits[c >> 4]);
                out += QLatin1Char(hex_digits[c & 0xf]);
            }
            break;
        }
        ++i;
    }
    return out;
}

report_facts gather_facts(const QString &program, const QString &firmware,
                          const QVector<run_record> &runs)
{
    report_facts facts;
    facts.made = QDateTime::currentDateTime();
    facts.program_name = QLatin1String(program_name);
    facts.program_version = QStringLiteral(VELMORA_VERSION);
    facts.qt_version = QLatin1String(qVersion());
    facts.system = QSysInfo::prettyProductName();
    facts.cpu = QSysInfo::currentCpuArchitecture();
    facts.working_folder = QDir::toNativeSeparators(QDir::currentPath());
    const QFileInfo tool(QDir::current(), program);
    facts.tool_path = QDir::toNativeSeparators(tool.absoluteFilePath());
    facts.tool_found = tool.exists();
    facts.firmware_path = firmware;
    const QFileInfo file(firmware);
    facts.firmware_found = !firmware.isEmpty() && file.exists();
    if (facts.firmware_found) {
        facts.firmware_size = file.size();
        facts.firmware_modified = file.lastModified();
    }
    facts.runs = runs;
    return facts;
}

QString write_report(const report_facts &facts)
{
    QString out;
    out += facts.program_name + QLatin1Char(' ') + facts.program_version +
           QLatin1String(": details of the last update\n");
    out += QLatin1String("Made: ") + when(facts.made) + QLatin1Char('\n');
    out += QLatin1String("Qt: ") + facts.qt_version + QLatin1Char('\n');
    out += QLatin1String("System: ") + facts.system + QLatin1String(", ") + facts.cpu +
           QLatin1Char('\n');
    out += QLatin1String("Window language: ") + facts.language + QLatin1Char('\n');

    out += QLatin1String("\n== Folder and files ==\n");
    out += QLatin1String("Working folder: ") + facts.working_folder + QLatin1Char('\n');
    out += QLatin1String("Tool: ") + facts.tool_path +
           (facts.tool_found ? QLatin1String(" (there)\n") : QLatin1String(" (not there)\n"));
    if (facts.firmware_path.isEmpty())
        out += QLatin1String("Firmware: none chosen\n");
    else if (!facts.firmware_found)
        out += QLatin1String("Firmware: ") + facts.firmware_path + QLatin1String(" (not there)\n");
    else
        out += QLatin1String("Firmware: ") + facts.firmware_path +
               QStringLiteral(" (%1 bytes, last modified %2)\n")
                   .arg(facts.firmware_size)
                   .arg(when(facts.firmware_modified));

    if (facts.firmware_checked)
        write_check(out, facts.checked_firmware);

    if (facts.runs.isEmpty())
        out += QLatin1String("\nThe tool has not been run.\n");
    for (const run_record &record : facts.runs)
        write_run(out, record);

    out += QLatin1String("\n== Status box ==\n");
    if (facts.shown_left_out > 0)
        out += QStringLiteral("[... %1 earlier lines left out ...]\n").arg(facts.shown_left_out);
    for (const QString &line : facts.shown_lines)
        out += line + QLatin1Char('\n');
    out += QLatin1String("Final colour: ") + facts.colour + QLatin1Char('\n');
    return out;
}
