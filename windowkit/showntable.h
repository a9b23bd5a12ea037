#pragma once

#include "rom/romimage.h"
#include "tables/imageopening.h"
#include "windowkit/fieldcontrols.h"

#include <QByteArray>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <vector>

class QComboBox;
class QWidget;

// A table as an editor window shows it: its entry list, the control of each field, and the table's
// bytes as the last load read them, with the load, display and save both editors share. The window
// keeps the decoded records, whose type only it knows, and what it alone shows. Each call that
// reads or writes is handed the open image, which the window takes from its opener.
class ShownTable {
public:
    // `unreadable` words why a load could not read the table; `opening` is the image's opening,
    // whose original the marks compare with; `nameBox`, if any, shows the entry's name, which the
    // window fills itself and the table marks.
    ShownTable(QWidget* window, const TableFormat& format, QComboBox* entries,
               std::initializer_list<FieldControl> controls,
               QString (*unreadable)(const Outcome& why), ImageOpening& opening,
               QWidget* nameBox = nullptr);

    // Reads the whole table from `rom` into `records` through `decode`, and the bytes it shows,
    // then lists the entries with line 0 selected quietly: the window's display step comes next.
    // When the table cannot be read, the window says why and `records` holds placeholders, which
    // are no data: every control of the window stays disabled until a load succeeds.
    template <class Record>
    void load(RomImage& rom, std::vector<Record>& records,
              std::vector<Record> (*decode)(RomImage& rom)) {
        const bool loaded = read(
            rom, [&](RomImage& held) { records = decode(held); },
            [&] { records.assign(size_t(m_format.count), Record{}); });
        QStringList names;
        names.reserve(qsizetype(records.size()));
        for (const Record& r : records)
            names << r.Name;
        list(rom, loaded, names);
    }

    // The record of the selected line, or null when none is.
    template <class Record> const Record* selected(const std::vector<Record>& records) const {
        const int index = currentIndex();
        return index < 0 || size_t(index) >= records.size() ? nullptr : &records[size_t(index)];
    }

    // Shows `record`, a record of the window's table, in the field controls.
    template <class Record> void show(const Record& record) const { showRecord(&record); }

    // Saves the selected entry into `rom` as one transaction, provided the file still holds the
    // bytes the window shows for it, and says why when that fails. Whatever happened, `reload` and
    // then `display` make the window show what the file holds, on the same line. Whether it saved.
    bool save(RomImage& rom, const std::function<void()>& reload,
              const std::function<void()>& display);

    // Plays `rom` in the user's emulator. When the controls hold edits of `record`, the shown
    // entry (none: no line is selected), it first asks whether to save them; a Save refused, or
    // the question cancelled, plays nothing.
    template <class Record>
    void play(RomImage& rom, const Record* record, const std::function<void()>& reload,
              const std::function<void()>& display) {
        playRecord(rom, record, reload, display);
    }

private:
    void showRecord(const void* record) const;
    void playRecord(RomImage& rom, const void* record, const std::function<void()>& reload,
                    const std::function<void()>& display);
    bool read(RomImage& rom, const std::function<void(RomImage& held)>& decode,
              const std::function<void()>& placeholders);
    void list(RomImage& rom, bool loaded, const QStringList& names);
    int currentIndex() const;

    QWidget* m_window;
    const TableFormat& m_format;
    QComboBox* m_entries;
    std::vector<QWidget*> m_controls;
    QByteArray m_shownBytes;
    QString (*m_unreadable)(const Outcome& why);
    ImageOpening* m_opening;
    QWidget* m_nameBox;
};
