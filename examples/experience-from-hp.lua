-- Experience is HP divided by 4, for every enemy; the ones that change are printed.
--   tolvane-cli script my.nes examples/experience-from-hp.lua
for i = 0, #enemies do
    local enemy = enemies[i]
    local experience = enemy.hp // 4
    if enemy.experience ~= experience then
        print(string.format("%-20s %5d -> %5d", enemy.name, enemy.experience, experience))
        enemy.experience = experience
    end
end
