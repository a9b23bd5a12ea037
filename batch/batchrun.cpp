#include "batch/batchrun.h"

#include "fields/numbertext.h"

#include <lua.hpp>

#include <cmath>
#include <cstring>

namespace {

// One table as a batch sees it: the values it started from are the edits', those it leaves are
// kept here until the whole run has gone through.
struct Bound {
    const GridEdits* edits = nullptr;
    std::vector<std::vector<qint32>> values;
    std::vector<QByteArray> names; // UTF-8, ready for Lua, so that nothing is built while it raises
};

struct Context {
    std::vector<Bound> tables;
    bool clamp = false;
    std::vector<ClampedValue> clamped;
    BatchError* error = nullptr;
    // Set once the run is over: a finalizer that the closing state still calls then reaches
    // nothing, and the run's outcome stays as it was.
    bool closed = false;
};

// Closes the context before the sandbox that comes before it goes: declared after the sandbox.
struct Closing {
    Context& ctx;
    ~Closing() { ctx.closed = true; }
};

// What a Lua entry value holds. The environment of a Where or Set text is an entry too: there,
// any name but a field's is looked up among the sandbox's globals.
struct EntryRef {
    int table = 0;
    int row = 0;
    bool environment = false;
};

constexpr const char* EntryType = "tolvane.entry";

int fieldIndex(const TableFormat& format, const char* key) {
    for (size_t k = 0; k < format.fields.size(); ++k)
        if (std::strcmp(format.fields[k].key, key) == 0)
            return int(k);
    return -1;
}

Context* contextOf(lua_State* L) {
    return static_cast<Context*>(lua_touserdata(L, lua_upvalueindex(1)));
}

// Fills the error about entry `e` and its field `key`; the caller raises once this returns, so
// that no C++ object stands in a frame Lua jumps over.
void refuse(lua_State* L, Context* ctx, const EntryRef& e, BatchFault fault, const char* key,
            int valueIndex, qint64 upper = 0) {
    BatchError& error = *ctx->error;
    error.fault = fault;
    error.line = CallerLine(L);
    error.entry = ctx->tables[size_t(e.table)].edits->format().label(e.row);
    error.field = key ? QString::fromUtf8(key) : LuaValueText(L, 2);
    error.value = valueIndex ? LuaValueText(L, valueIndex) : QString();
    error.upper = upper;
}

// Pushes the value of `key` in entry `e`; false when the entry has no such field.
bool pushField(lua_State* L, Context* ctx, const EntryRef& e, const char* key) {
    const Bound& b = ctx->tables[size_t(e.table)];
    if (std::strcmp(key, "index") == 0) {
        lua_pushinteger(L, e.row);
        return true;
    }
    if (std::strcmp(key, "name") == 0) {
        const QByteArray& name = b.names[size_t(e.row)];
        lua_pushlstring(L, name.constData(), size_t(name.size()));
        return true;
    }
    const int field = fieldIndex(b.edits->format(), key);
    if (field < 0)
        return false;
    const qint32 value = b.values[size_t(e.row)][size_t(field)];
    if (b.edits->format().fields[size_t(field)].kind == FieldKind::Flag)
        lua_pushboolean(L, value != 0);
    else
        lua_pushinteger(L, value);
    return true;
}

int refuseClosed(lua_State* L) {
    lua_pushliteral(L, "the batch is over");
    return lua_error(L);
}

int entryIndex(lua_State* L) {
    Context* ctx = contextOf(L);
    if (ctx->closed)
        return refuseClosed(L);
    const EntryRef e = *static_cast<EntryRef*>(lua_touserdata(L, 1));
    const char* key = lua_type(L, 2) == LUA_TSTRING ? lua_tostring(L, 2) : nullptr;
    if (key && pushField(L, ctx, e, key))
        return 1;
    if (e.environment) {
        lua_pushvalue(L, 2);
        if (lua_rawget(L, lua_upvalueindex(2)) != LUA_TNIL)
            return 1;
        lua_pop(L, 1);
    }
    refuse(L, ctx, e, BatchFault::NoSuchField, key, 0);
    lua_pushliteral(L, "no such field");
    return lua_error(L);
}

// Checks the value at index 3 for `key` of entry `e` and keeps it; false after filling the error.
bool assign(lua_State* L, Context* ctx, const EntryRef& e) {
    const char* key = lua_type(L, 2) == LUA_TSTRING ? lua_tostring(L, 2) : nullptr;
    if (key && (std::strcmp(key, "index") == 0 || std::strcmp(key, "name") == 0)) {
        refuse(L, ctx, e, BatchFault::ReadOnly, key, 3);
        return false;
    }
    Bound& b = ctx->tables[size_t(e.table)];
    const int field = key ? fieldIndex(b.edits->format(), key) : -1;
    if (field < 0) {
        refuse(L, ctx, e, BatchFault::NoSuchField, key, 0);
        return false;
    }
    const RecordField& f = b.edits->format().fields[size_t(field)];
    qint32& held = b.values[size_t(e.row)][size_t(field)];
    const int type = lua_type(L, 3);
    double whole = 0;
    if (type == LUA_TBOOLEAN && f.kind == FieldKind::Flag) {
        whole = lua_toboolean(L, 3) ? 1 : 0;
    } else if (type != LUA_TNUMBER) {
        refuse(L, ctx, e, BatchFault::NotANumber, key, 3);
        return false;
    } else if (lua_isinteger(L, 3)) {
        whole = double(lua_tointeger(L, 3));
    } else {
        const double number = lua_tonumber(L, 3);
        if (!std::isfinite(number)) {
            refuse(L, ctx, e, BatchFault::NotFinite, key, 3);
            return false;
        }
        whole = RoundHalfEven(number);
    }
    // A value the field already holds stands, as an item byte past the list does.
    if (whole == double(held))
        return true;
    const qint32 upper = f.upper();
    if (whole < 0 || whole > upper) {
        if (!ctx->clamp) {
            refuse(L, ctx, e, BatchFault::OutOfRange, key, 3, upper);
            return false;
        }
        const qint32 bound = whole < 0 ? 0 : upper;
        ctx->clamped.push_back(
            {b.edits->format().label(e.row), QString::fromUtf8(key), LuaValueText(L, 3), bound});
        whole = bound;
    }
    held = qint32(whole);
    return true;
}

int entryNewIndex(lua_State* L) {
    if (contextOf(L)->closed)
        return refuseClosed(L);
    if (!assign(L, contextOf(L), *static_cast<EntryRef*>(lua_touserdata(L, 1)))) {
        lua_pushliteral(L, "refused");
        return lua_error(L);
    }
    return 0;
}

void pushEntry(lua_State* L, int table, int row, bool environment) {
    auto* e = static_cast<EntryRef*>(lua_newuserdatauv(L, sizeof(EntryRef), 0));
    *e = EntryRef{table, row, environment};
    luaL_setmetatable(L, EntryType);
}

// Binds `tables` into the sandbox: the entries' metatable, and for a script each table under its
// name, its entries indexed from 0.
void bind(Sandbox& sandbox, Context& ctx, const std::vector<const GridEdits*>& tables,
          bool script) {
    for (const GridEdits* edits : tables) {
        Bound b;
        b.edits = edits;
        const int count = edits->snapshot().count();
        b.values.resize(size_t(count));
        b.names.resize(size_t(count));
        for (int row = 0; row < count; ++row) {
            for (size_t field = 0; field < edits->format().fields.size(); ++field)
                b.values[size_t(row)].push_back(edits->value(row, int(field)));
            b.names[size_t(row)] = edits->name(row).toUtf8();
        }
        ctx.tables.push_back(std::move(b));
    }
    lua_State* L = sandbox.state();
    // A state that could not be made refuses the first load with the memory cap.
    if (!L)
        return;
    luaL_newmetatable(L, EntryType);
    lua_pushlightuserdata(L, &ctx);
    lua_pushglobaltable(L);
    lua_pushcclosure(L, entryIndex, 2);
    lua_setfield(L, -2, "__index");
    lua_pushlightuserdata(L, &ctx);
    lua_pushcclosure(L, entryNewIndex, 1);
    lua_setfield(L, -2, "__newindex");
    // getmetatable gives this instead of the table, which a script could otherwise rewrite.
    lua_pushboolean(L, 0);
    lua_setfield(L, -2, "__metatable");
    lua_pop(L, 1);
    if (!script)
        return;
    for (size_t t = 0; t < tables.size(); ++t) {
        const int count = tables[t]->snapshot().count();
        lua_createtable(L, count, 1);
        for (int row = 0; row < count; ++row) {
            pushEntry(L, int(t), row, false);
            lua_rawseti(L, -2, row);
        }
        lua_setglobal(L, tables[t]->format().table);
    }
}

std::vector<BatchChange> changesOf(const Context& ctx) {
    std::vector<BatchChange> changes;
    for (size_t t = 0; t < ctx.tables.size(); ++t) {
        const Bound& b = ctx.tables[t];
        for (size_t row = 0; row < b.values.size(); ++row)
            for (size_t field = 0; field < b.values[row].size(); ++field)
                if (b.values[row][field] != b.edits->value(int(row), int(field)))
                    changes.push_back({int(t), int(row), int(field), b.values[row][field]});
    }
    return changes;
}

// Loads a Where or Set text with an entry for its environment, left on the stack with that
// entry above it; false after filling `error`.
bool loadForEntry(Sandbox& sandbox, const QByteArray& text, const char* name, BatchError* error) {
    if (!sandbox.load(text, name, error))
        return false;
    lua_State* L = sandbox.state();
    pushEntry(L, 0, 0, true);
    lua_pushvalue(L, -1);
    lua_setupvalue(L, -3, 1); // a main chunk's one upvalue is its _ENV
    return true;
}

// Runs `where` and `set` (either may be empty) over `rows`; the rows where `where` held go to
// `chosen`.
void runOverRows(Sandbox& sandbox, Context& ctx, const std::vector<int>& rows, const QString& where,
                 const QString& set, std::vector<int>* chosen) {
    lua_State* L = sandbox.state();
    BatchError* error = ctx.error;
    if (!L) {
        sandbox.load({}, "=where", error); // refused with the memory cap
        return;
    }
    EntryRef* whereEntry = nullptr;
    EntryRef* setEntry = nullptr;
    const int base = lua_gettop(L);
    error->source = BatchSource::Where;
    if (!where.trimmed().isEmpty()) {
        // On a line of its own, so that a comment at its end cannot take the closing bracket.
        if (!loadForEntry(sandbox, "return (" + where.toUtf8() + "\n)", "=where", error)) {
            error->line = std::min<int>(error->line, int(where.count(QLatin1Char('\n'))) + 1);
            return;
        }
        whereEntry = static_cast<EntryRef*>(lua_touserdata(L, -1));
    }
    const int whereAt = base + 1;
    error->source = BatchSource::Set;
    if (!set.trimmed().isEmpty()) {
        if (!loadForEntry(sandbox, set.toUtf8(), "=set", error))
            return;
        setEntry = static_cast<EntryRef*>(lua_touserdata(L, -1));
    }
    const int setAt = whereEntry ? base + 3 : base + 1;
    for (const int row : rows) {
        if (whereEntry) {
            whereEntry->row = row;
            error->source = BatchSource::Where;
            lua_pushvalue(L, whereAt);
            if (!sandbox.call(0, 1, error))
                return;
            const bool holds = lua_toboolean(L, -1);
            lua_pop(L, 1);
            if (!holds)
                continue;
        }
        if (setEntry) {
            setEntry->row = row;
            error->source = BatchSource::Set;
            lua_pushvalue(L, setAt);
            if (!sandbox.call(0, 0, error))
                return;
        }
        chosen->push_back(row);
    }
}

} // namespace

WhereRun RunWhere(const GridEdits& edits, const std::vector<int>& rows, const QString& where,
                  const BatchOptions& options) {
    WhereRun run;
    Context ctx;
    ctx.error = &run.error;
    Sandbox sandbox(options.limits);
    const Closing closing{ctx};
    bind(sandbox, ctx, {&edits}, false);
    runOverRows(sandbox, ctx, rows, where, {}, &run.rows);
    if (run.error.failed())
        run.rows.clear();
    return run;
}

BatchRun RunEdit(const GridEdits& edits, const std::vector<int>& rows, const QString& where,
                 const QString& set, const BatchOptions& options) {
    BatchRun run;
    Context ctx;
    ctx.error = &run.error;
    Sandbox sandbox(options.limits);
    const Closing closing{ctx};
    sandbox.setPrint(options.print);
    ctx.clamp = options.clamp;
    bind(sandbox, ctx, {&edits}, false);
    std::vector<int> chosen;
    runOverRows(sandbox, ctx, rows, where, set, &chosen);
    if (run.error.failed())
        return run;
    run.clamped = std::move(ctx.clamped);
    run.changes = changesOf(ctx);
    return run;
}

BatchRun RunScript(const std::vector<const GridEdits*>& tables, const QByteArray& script,
                   const QString& file, const BatchOptions& options) {
    BatchRun run;
    run.error.source = BatchSource::Script;
    run.error.file = file;
    Context ctx;
    ctx.error = &run.error;
    Sandbox sandbox(options.limits);
    const Closing closing{ctx};
    sandbox.setPrint(options.print);
    ctx.clamp = options.clamp;
    bind(sandbox, ctx, tables, true);
    if (!sandbox.load(script, "=script", &run.error) || !sandbox.call(0, 0, &run.error))
        return run;
    run.clamped = std::move(ctx.clamped);
    run.changes = changesOf(ctx);
    return run;
}

void TakeChanges(const BatchRun& run, const std::vector<GridEdits*>& tables) {
    for (const BatchChange& c : run.changes)
        tables[size_t(c.table)]->setValue(c.row, c.field, c.value);
}
