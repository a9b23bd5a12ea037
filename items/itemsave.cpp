#include "items/itemsave.h"

#include "fields/numbertext.h"
#include "rom/modstuff.h"

ItemForm ItemFormOf(const ItemRecord& r) {
    ItemForm f;
    f.namePtr = PointerText(r.NamePtr);
    f.str = QString::number(r.Str);
    f.effOut = QString::number(r.EffOut);
    f.effIn = QString::number(r.EffIn);
    f.cost = QString::number(r.Cost);
    f.perm = r.Perm;
    f.edible = r.Edible;
    f.teddy = r.Teddy;
    f.loid = r.Loid;
    f.ana = r.Ana;
    f.ninten = r.Ninten;
    return f;
}

std::optional<QString> PlanItemSave(RomImage& rom, int index, const ItemForm& form,
                                    WritePlan* plan) {
    const QString entry = QStringLiteral("item %1").arg(index);
    if (index < 0 || index >= ItemCount)
        return QStringLiteral("Cannot save: there is no item %1.").arg(index);
    const auto pointer = PointerValue(form.namePtr);
    if (!pointer)
        return QStringLiteral("Cannot save %1: the pointer to the name \"%2\" is not a hexadecimal "
                              "number from 0 to FFFF. Nothing was written.")
            .arg(entry, form.namePtr);

    struct Field {
        const char* name;
        const QString& text;
        qint32 upper;
        std::optional<qint32> value;
    };
    Field fields[] = {{"strength", form.str, 255, {}},
                      {"effect out of battle", form.effOut, 255, {}},
                      {"effect in battle", form.effIn, 255, {}},
                      {"cost", form.cost, 65535, {}}};
    for (Field& f : fields) {
        f.value = FieldValue(f.text, f.upper);
        if (!f.value)
            return QStringLiteral("Cannot save %1: the %2 \"%3\" is not a number from 0 to %4. "
                                  "Nothing was written.")
                .arg(entry, QLatin1String(f.name), f.text, QString::number(f.upper));
    }

    const qint32 base = ItemEntryOffset(index);
    if (auto refused = CheckEntryWritable(rom, entry, base, ItemEntrySize))
        return refused;
    rom.refresh();
    ItemRecord flags;
    flags.Perm = form.perm;
    flags.Edible = form.edible;
    flags.Teddy = form.teddy;
    flags.Loid = form.loid;
    flags.Ana = form.ana;
    flags.Ninten = form.ninten;
    quint8 stored = 0;
    try {
        stored = modStuff::ReadByte(rom, base + 2);
    } catch (const RomError& e) {
        return QStringLiteral("Cannot save %1: %2\nNothing was written.").arg(entry, e.message());
    }

    plan->entry = entry;
    plan->base = base;
    plan->size = ItemEntrySize;
    plan->writes = {
        {QStringLiteral("pointer to name"), base, *pointer, 2},
        {QStringLiteral("flags"), base + 2, EncodeItemFlags(flags, stored), 1},
        {QStringLiteral("strength"), base + 3, *fields[0].value, 1},
        {QStringLiteral("effect out of battle"), base + 4, *fields[1].value, 1},
        {QStringLiteral("effect in battle"), base + 5, *fields[2].value, 1},
        {QStringLiteral("cost"), base + 6, *fields[3].value, 2},
    };
    return std::nullopt;
}

std::optional<QString> SaveItem(RomImage& rom, int index, const ItemForm& form,
                                const QByteArray& shown) {
    WritePlan plan;
    if (auto refused = PlanItemSave(rom, index, form, &plan))
        return refused;
    plan.shown = shown;
    return ExecutePlan(rom, plan);
}
