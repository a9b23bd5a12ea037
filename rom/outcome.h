#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What happened, as data. The core never words a message: it answers with a fault and the facts
// that go with it, and the wording module turns them into the texts the user reads.

// What stands at a path that is no regular file.
enum class NodeKind {
    Fifo, // a FIFO (a named pipe)
    Socket,
    Device,
    Pipe, // Windows: a pipe or a console
    Folder,
    Link,  // a symbolic link, where a file is never written through one
    Other, // anything else that holds no bytes to read
};

// What went wrong, as a family and a fault within it: each family is worded in a file of its own,
// in the form its faults take (a sentence of its own, a save's, a clause of a command's sentence).

// The image's own calls. `operation` says which, `file` and `offset` where.
enum class ImageFault {
    SystemCall,         // the system refused it: `error`
    BeforeStart,        // a negative offset
    OpenForReading,     // a write into a file open for reading only
    OffsetTooLarge,     // a primitive's offset whose last byte leaves the 32-bit range
    WordTooLarge,       // WriteWord of `word`, which does not fit in 16 bits
    PointerBeforeStart, // the name pointer `pointer` lies before the file
    NameTooLong,        // the name at pointer `pointer` runs on past MaxNameLength characters
    BitStringTooLarge,  // the bit string `text` does not fit in 32 bits
    NotAFile,           // `file` is `node`, not a regular file
    // The backup of `file` at `other`: `error`, `node`, or `replaced` when the path no longer
    // names the image written into.
    BackupNotMade,
};

// Why an entry (`entry`, in `file`) cannot be saved.
enum class SaveFault {
    ReadOnly,
    Replaced,
    Gone,
    ShortFile,     // the entry lies at `first`..`last`, but the file is `length` bytes long
    ChangedOnDisk, // the parts in `landed` changed in the file since they were read
    NoSuchEntry,
    // `field` (a control's caption or a cell's column) holds `text`, which `kind` does not take:
    // a number runs from 0 to `upper`.
    BadValue,
    Locked, // another writer holds the image for longer than a writer waits
    // A write of a transaction failed at `field` (`cause` holds what the file said) and so did
    // putting the old bytes back: `landed` says what now stands in the file.
    WrittenInPart,
    // The writes went in, but the sync failed and the old bytes could not be put back.
    NotSynced,
};

// The history of `file` at `other` could not be read or written: `error`, or `node` where
// `hasNode`; with neither, it is no history (`version` NotAHistory) or one of another version,
// `version`; not written, with `record`, it holds that record, the highest number there can be.
// A save it stops names `entry`.
enum class HistoryFault {
    NotWritten,
    Unreadable,
};

// Renames: the name of `entry` at pointer `pointer`, offset `offset`.
enum class NameFault {
    PointerNoOffset,
    RunsOn,
    PastEnd,    // the file is `length` bytes long
    Character,  // `text` is the character, `position` its place in the name from 1
    Longer,     // `text` is the new name, `otherName` the old one
    IntoRecord, // writing `text` would overwrite `field`, the record at `first`
};

// An import's rows.
enum class RowFault {
    RepeatedEntry,  // `entry` is given twice, the first time on line `line`
    NoSuchItem,     // the item `text` does not exist (items run to `upper`)
    NameNotWritten, // the name of `entry` is not written without --names
    // Its name `text` would also change the names in `names`, which their rows do not ask for.
    SharedName,
    // Once all names are written, the name of `entry` would read `otherName`, not `text`.
    NameWouldRead,
};

// An undo of record `record` in `file`.
enum class UndoFault {
    Overwritten,     // the bytes of the parts in `landed` are no longer those it left
    NoSuchRecord,    // `record` is not a record of the history, or none is left to undo (0)
    RecordNotDone,   // record `record` never went in whole, so there is nothing of it to undo
    RecordTakenBack, // record `record` no longer stands: the undo `undoneBy` took it back
};

// Comparing an image with its original, and merging images.
enum class CompareFault {
    NoOriginal,  // `file` has no history to tell its original, and no base was given
    SizesDiffer, // `other` is `otherLength` bytes long, `file` `length`: they must have one size
    NotAnImage,  // `file` does not hold the tables where the editors read them
    // `count` fields or names conflict, and `file` (the output) is not written; `mixedConflicts`
    // when not every one is a field both sides changed to different values.
    MergeConflicts,
    OutputNotWritten, // `file` cannot be written: `error`, or `node` when no file stands there
};

// Table files, CSV or JSON, as tolvane-cli reads them; the InputError says where.
enum class TableFileFault {
    CsvStrayQuote,      // a quote inside a field that does not start with one
    CsvQuoteOpen,       // a quoted field is never closed
    CsvAfterQuote,      // a closing quote is followed by more than a comma or the line's end
    TableFileEmpty,     // the file holds no line
    NoColumnNames,      // the first line names no column; `choices` holds each table's header
    UnknownColumn,      // `text` is no column of the table named `table`
    ColumnNamedTwice,   // the header names the column `field` twice
    ColumnMissing,      // the column `field` is not given
    CellCount,          // a line has `count` cells, but `expected` columns are named
    JsonSyntax,         // the text is no JSON: `jsonError`, as the parser tells it
    JsonKeyTwice,       // the top-level key `text` is given twice
    JsonNoTable,        // "table" is neither "items" nor "enemies"
    JsonNoEntries,      // "entries" is no list
    JsonEntryNotObject, // an element of "entries" is no object
    JsonCellTwice,      // an entry gives `field` twice
    JsonCellType,       // an entry's `field` is neither a number nor a text
};

// Patches, in `file`.
enum class PatchFault {
    // Making an IPS patch of the modified file `file`: it is longer than the format's offsets
    // reach, or shorter than the original and too long for its cut length.
    IpsTooLong,
    IpsCannotCut,
    // Applying one to `other`: it is no IPS patch, or it is cut short at byte `offset` of its
    // `length` before the end marker, inside a record header, a record's data or a run record;
    // or `count` bytes follow its end marker.
    NotIps,
    IpsCutBeforeEnd,
    IpsCutInHeader,
    IpsCutInData,
    IpsCutInRun,
    IpsTrailingBytes,
    NotBps,
    BpsChecksum,       // its own checksum does not match
    BpsHeader,         // its header is damaged
    BpsTooLarge,       // it names a result of `expected` bytes, more than `limit`
    BpsOtherSource,    // made for `expected` bytes of checksum `expectedChecksum`; `other` has
                       // `otherLength` bytes of checksum `checksum`
    BpsActionOutside,  // an action after `built` bytes of the result reaches outside the files
    BpsActionsShort,   // the actions build `built` of the `expected` bytes it names
    BpsTargetChecksum, // the result does not match the checksum it names
    NotAPatch,         // neither IPS nor BPS
};

// The command line's files and its standard output.
enum class CliFileFault {
    FileNotRead,        // `file` cannot be read: `cause` says why (NotAFile or a SystemCall)
    FileTooLarge,       // `file` is `length` bytes long, more than the `limit` such a file has
    ImageNotOpened,     // `file` cannot be opened as an image: `cause` says why
    OutputIsInput,      // the output `file` is the input `other`, which it would replace
    OutputIsHistory,    // the output `file` is a history of saves, of the image `other` if known
    OutputIsBackup,     // the output `file` is the backup of the image `other`
    StandardOutputLost, // the standard output took not all: `reason`, or none for the stream
    NodeNotWritten,     // `file` is a device, a FIFO or a socket that took not all: `reason`
    HistoryDamaged,     // `count` damaged bytes of the history `file` were skipped
    RecordPastEnd,      // record `record` of the history `file` reaches outside its image
};

// The command line's own arguments, each a usage error.
enum class UsageFault {
    NoCommand,
    UnknownCommand,      // `text` is no command
    ArgumentsRefused,    // the parser's `reason`
    ArgumentNotText,     // `text` shows an argument that is no text in the system's encoding
    FileNameCount,       // the command takes the file names of its usage line `text`
    TableOption,         // --table is given `text`
    ExportFormatOption,  // export's --format is given `text`
    ChangesFormatOption, // changes' --format is given `text`
    PreferOption,        // --prefer is given `text`
    SaveOption,          // --save is given `text`
    NoEntryOption,       // rename is given neither --item nor --enemy, or both
    EntryOption,         // `option` (--item or --enemy) is given `text`; it takes 0 to `upper`
    SharedWithoutNames,  // --shared without --names
    PatchOutputName,     // patch's -o names no .ips or .bps file
    NoOutputOption,      // apply is given no -o
    MergeToStandardOutput,
};

enum class FaultFamily {
    None, // nothing went wrong
    Image,
    Save,
    History,
    Name,
    Row,
    Undo,
    Compare,
    TableFile,
    Patch,
    CliFile,
    Usage,
};

// A fault of any family, made from its family's enum and compared with one:
// `o.fault == SaveFault::ReadOnly`. Fault::None is no fault.
class Fault {
public:
    constexpr Fault() = default;
    constexpr Fault(ImageFault f) : Fault(FaultFamily::Image, int(f)) {}
    constexpr Fault(SaveFault f) : Fault(FaultFamily::Save, int(f)) {}
    constexpr Fault(HistoryFault f) : Fault(FaultFamily::History, int(f)) {}
    constexpr Fault(NameFault f) : Fault(FaultFamily::Name, int(f)) {}
    constexpr Fault(RowFault f) : Fault(FaultFamily::Row, int(f)) {}
    constexpr Fault(UndoFault f) : Fault(FaultFamily::Undo, int(f)) {}
    constexpr Fault(CompareFault f) : Fault(FaultFamily::Compare, int(f)) {}
    constexpr Fault(TableFileFault f) : Fault(FaultFamily::TableFile, int(f)) {}
    constexpr Fault(PatchFault f) : Fault(FaultFamily::Patch, int(f)) {}
    constexpr Fault(CliFileFault f) : Fault(FaultFamily::CliFile, int(f)) {}
    constexpr Fault(UsageFault f) : Fault(FaultFamily::Usage, int(f)) {}

    static const Fault None;

    constexpr FaultFamily family() const { return m_family; }
    // The fault within its family, for the enum of family().
    template <class Family> constexpr Family in() const { return Family(m_code); }

    friend constexpr bool operator==(const Fault&, const Fault&) = default;

private:
    constexpr Fault(FaultFamily family, int code) : m_family(family), m_code(code) {}

    FaultFamily m_family = FaultFamily::None;
    int m_code = 0;
};

inline constexpr Fault Fault::None{};

// HistoryFault::Unreadable's `version` for a file that does not begin as a history does.
inline constexpr qint64 NotAHistory = -1;

// What an image call was doing when it failed.
enum class Operation { Read, Write, Sync, Size, ReadByte, ReadWord, WriteByte, WriteWord };

// The kinds of text a field can be given, for BadValue.
// A window's control holds the first four; a table file's cell the last three, a number or an item
// as Number.
enum class ValueKind { Number, Flag, Pointer, Item, Index, CellFlag, CellPointer, CellNumber };

// A name that a rename changes: of the entry itself, or of another that reads the same text.
struct NameChange {
    QString entry;
    QString before;
    QString after;
};

// How much of one field, one entry or one name a failed transaction left in the file.
struct Landed {
    QString entry;
    QString field;     // empty: the whole entry or name
    bool name = false; // the entry's name text, not its record
    int bytes = 0;     // of its bytes, how many hold the new values
    int of = 0;
};

// Every fact has a default, so that an outcome can be written with only the facts it has:
// Outcome{.fault = SaveFault::ReadOnly, .file = path}.
struct [[nodiscard]] Outcome {
    Fault fault = Fault::None;
    Operation operation = Operation::Read;
    ValueKind kind = ValueKind::Number;
    NodeKind node = NodeKind::Other;
    bool replaced = false;       // the path no longer names the image written into
    bool hasNode = false;        // `node` says what stands at the path, where a fault may not
    bool mixedConflicts = false; // not every conflict is a field both changed to different values
    bool name = false;           // `entry`'s name text, not its record
    QString file{};
    QString other{};     // a second file's path: a backup, a history, the other image
    QString otherName{}; // an entry's name other than `text`: the old one, or what it would read
    QString entry{};
    QString field{};
    QString text{};
    qint64 offset = 0;
    qint64 first = 0;
    qint64 last = 0;
    qint64 length = 0;
    // Each of these means one thing, whichever fault carries it.
    qint64 word = 0;        // a value written as a 16-bit word
    qint64 pointer = 0;     // a name pointer, as the table stores it
    qint64 upper = 0;       // the largest value a field or a choice takes
    qint64 line = 0;        // a line of an input file, from 1
    qint64 column = 0;      // a column of that line, from 1
    qint64 position = 0;    // a character's place in a name, from 1
    qint64 version = 0;     // a history's version
    qint64 record = 0;      // a record of the history, by its number
    qint64 undoneBy = 0;    // the record of the undo that took `record` back
    qint64 count = 0;       // how many of what the fault is about
    qint64 otherLength = 0; // the length of `other`
    qint64 expected = 0;    // how many an input names or asks for, where it has another number
    qint64 limit = 0;       // the most that is taken
    qint64 built = 0;       // how many bytes of a result were made before it stopped
    quint32 checksum = 0;   // the CRC32 of `other`
    quint32 expectedChecksum = 0; // the CRC32 an input names
    int jsonError = 0;            // a QJsonParseError::ParseError
    QString table{};              // a table's name, as the files name it: "items"
    QString option{};             // a command-line option, as the usage names it: "--item"
    QString reason{};             // a reason given by Qt in its own words, passed on as it is
    QStringList choices{};        // the texts an input may be instead
    int error = 0;
    QList<Landed> landed{};
    QList<NameChange> names{};
    QList<Outcome> cause{}; // the one failure behind this one, when there is one

    bool ok() const { return fault == Fault::None; }
    bool failed() const { return fault != Fault::None; }
};
