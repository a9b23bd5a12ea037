-- Items that cost under 50 lose the Edible flag; the rest keep theirs.
--   tolvane-cli script my.nes examples/cheap-not-edible.lua
local changed = 0
for i = 0, #items do
    local item = items[i]
    if item.cost < 50 and item.edible then
        item.edible = false
        changed = changed + 1
    end
end
print(changed .. " items lose Edible")
