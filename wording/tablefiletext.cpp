#include "wording/tablefiletext.h"

#include "wording/translation.h"

#include <QJsonParseError>

namespace {

// The parser's own words for its errors.
QString jsonSyntaxText(int error) {
    switch (QJsonParseError::ParseError(error)) {
    case QJsonParseError::NoError:
        return CliWording::tr("no error occurred");
    case QJsonParseError::UnterminatedObject:
        return CliWording::tr("unterminated object");
    case QJsonParseError::MissingNameSeparator:
        return CliWording::tr("missing name separator");
    case QJsonParseError::UnterminatedArray:
        return CliWording::tr("unterminated array");
    case QJsonParseError::MissingValueSeparator:
        return CliWording::tr("missing value separator");
    case QJsonParseError::IllegalValue:
        return CliWording::tr("illegal value");
    case QJsonParseError::TerminationByNumber:
        return CliWording::tr("invalid termination by number");
    case QJsonParseError::IllegalNumber:
        return CliWording::tr("illegal number");
    case QJsonParseError::IllegalEscapeSequence:
        return CliWording::tr("invalid escape sequence");
    case QJsonParseError::IllegalUTF8String:
        return CliWording::tr("invalid UTF8 string");
    case QJsonParseError::UnterminatedString:
        return CliWording::tr("unterminated string");
    case QJsonParseError::MissingObject:
        return CliWording::tr("object is missing after a comma");
    case QJsonParseError::DeepNesting:
        return CliWording::tr("too deeply nested document");
    case QJsonParseError::DocumentTooLarge:
        return CliWording::tr("too large document");
    case QJsonParseError::GarbageAtEnd:
        return CliWording::tr("garbage at the end of the document");
    }
    return CliWording::tr("unknown error");
}

} // namespace

QString TableFileFaultText(const Outcome& o) {
    switch (o.fault.in<TableFileFault>()) {
    case TableFileFault::CsvStrayQuote:
        return CliWording::tr("a quote inside a field that does not start with one; quote the "
                              "whole field and double the quote");
    case TableFileFault::CsvQuoteOpen:
        return CliWording::tr("this quoted field is not closed");
    case TableFileFault::CsvAfterQuote:
        return CliWording::tr("only a comma or the end of the line may follow a closing quote");
    case TableFileFault::TableFileEmpty:
        return CliWording::tr("the file is empty");
    case TableFileFault::NoColumnNames:
        return CliWording::tr("the first line must name the columns: %1 or %2")
            .arg(o.choices.value(0), o.choices.value(1));
    case TableFileFault::UnknownColumn:
        return CliWording::tr("\"%1\" is no column of the %2 table").arg(o.text, o.table);
    case TableFileFault::ColumnNamedTwice:
        return CliWording::tr("the column %1 is named twice").arg(o.field);
    case TableFileFault::ColumnMissing:
        return CliWording::tr("the column %1 is missing").arg(o.field);
    case TableFileFault::CellCount:
        return CliWording::tr("this line has %1 cells, but %2 columns are named")
            .arg(o.count)
            .arg(o.expected);
    case TableFileFault::JsonSyntax:
        return jsonSyntaxText(o.jsonError);
    case TableFileFault::JsonKeyTwice:
        return CliWording::tr("the key \"%1\" is given twice").arg(o.text);
    case TableFileFault::JsonNoTable:
        return CliWording::tr("\"table\" must be \"items\" or \"enemies\"");
    case TableFileFault::JsonNoEntries:
        return CliWording::tr("\"entries\" must be a list of objects");
    case TableFileFault::JsonEntryNotObject:
        return CliWording::tr("each entry must be an object");
    case TableFileFault::JsonCellTwice:
        return CliWording::tr("the %1 is given twice").arg(o.field);
    case TableFileFault::JsonCellType:
        return CliWording::tr("the %1 must be a number or a text").arg(o.field);
    }
    return {};
}
