#include "enemies/enemysave.h"

#include "fields/numbertext.h"
#include "rom/modstuff.h"

EnemyForm EnemyFormOf(const EnemyRecord& r) {
    EnemyForm f;
    f.namePtr = PointerText(r.NamePtr);
    f.hp = QString::number(r.HP);
    f.pp = QString::number(r.PP);
    f.off = QString::number(r.Off);
    f.def = QString::number(r.Def);
    f.fight = QString::number(r.Fight);
    f.speed = QString::number(r.Speed);
    f.wisdom = QString::number(r.Wisdom);
    f.str = QString::number(r.Str);
    f.force = QString::number(r.Force);
    f.exp = QString::number(r.Exp);
    f.money = QString::number(r.Money);
    f.itemPosition = r.Item <= HighestItem ? r.Item : -1;
    return f;
}

std::optional<QString> PlanEnemySave(RomImage& rom, int n, const EnemyForm& form, WritePlan* plan) {
    const QString entry = QStringLiteral("enemy %1").arg(n);
    if (n < 0 || n >= EnemyCount)
        return QStringLiteral("Cannot save: there is no enemy %1.").arg(n);
    const auto pointer = PointerValue(form.namePtr);
    if (!pointer)
        return QStringLiteral("Cannot save %1: the pointer to the name \"%2\" is not a hexadecimal "
                              "number from 0 to FFFF. Nothing was written.")
            .arg(entry, form.namePtr.left(40));
    if (form.itemPosition < -1 || form.itemPosition > HighestItem)
        return QStringLiteral("Cannot save %1: there is no item %2. Nothing was written.")
            .arg(entry)
            .arg(form.itemPosition);

    struct Field {
        const char* name;
        const QString& text;
        qint32 upper;
        qint32 value = 0;
    };
    Field fields[] = {
        {"HP", form.hp, 1023},           {"PP", form.pp, 1023},       {"offense", form.off, 1023},
        {"defense", form.def, 1023},     {"fight", form.fight, 255},  {"speed", form.speed, 255},
        {"wisdom", form.wisdom, 255},    {"strength", form.str, 255}, {"force", form.force, 255},
        {"experience", form.exp, 65535}, {"money", form.money, 65535}};
    for (Field& f : fields) {
        const auto value = FieldValue(f.text, f.upper);
        if (!value)
            return QStringLiteral("Cannot save %1: the %2 \"%3\" is not a number from 0 to %4. "
                                  "Nothing was written.")
                .arg(entry, QLatin1String(f.name), f.text.left(40), QString::number(f.upper));
        f.value = *value;
    }
    const auto& [hp, pp, off, def, fight, speed, wisdom, str, force, exp, money] = fields;

    const qint32 base = EnemyEntryOffset(n);
    if (auto refused = CheckEntryWritable(rom, entry, base, EnemyEntrySize))
        return refused;
    rom.refresh();
    quint8 stored[8];
    try {
        rom.read(base + 0x03, stored, 8);
    } catch (const RomError& e) {
        return QStringLiteral("Cannot save %1: %2\nNothing was written.").arg(entry, e.message());
    }

    plan->entry = entry;
    plan->base = base;
    plan->size = EnemyEntrySize;
    plan->writes = {
        {QStringLiteral("pointer to name"), base + 0x18, *pointer, 2},
        {QStringLiteral("fight"), base + 0x0B, fight.value, 1},
        {QStringLiteral("speed"), base + 0x0C, speed.value, 1},
        {QStringLiteral("wisdom"), base + 0x0D, wisdom.value, 1},
        {QStringLiteral("strength"), base + 0x0E, str.value, 1},
        {QStringLiteral("force"), base + 0x0F, force.value, 1},
    };
    if (form.itemPosition >= 0)
        plan->writes.push_back({QStringLiteral("item"), base + 0x1E, form.itemPosition, 1});
    plan->writes.push_back({QStringLiteral("experience"), base + 0x1A, exp.value, 2});
    plan->writes.push_back({QStringLiteral("money"), base + 0x1C, money.value, 2});
    const Field* tenBit[] = {&hp, &pp, &off, &def};
    for (int k = 0; k < 4; ++k) {
        quint8 low = 0, second = 0;
        PackTenBit(tenBit[k]->value, stored[2 * k + 1], &low, &second);
        const QString name = QLatin1String(tenBit[k]->name);
        plan->writes.push_back({name, base + 0x03 + 2 * k, low, 1});
        plan->writes.push_back({name, base + 0x04 + 2 * k, second, 1});
    }
    return std::nullopt;
}

std::optional<QString> SaveEnemy(RomImage& rom, int n, const EnemyForm& form,
                                 const QByteArray& shown) {
    WritePlan plan;
    if (auto refused = PlanEnemySave(rom, n, form, &plan))
        return refused;
    plan.shown = shown;
    return ExecutePlan(rom, plan);
}
