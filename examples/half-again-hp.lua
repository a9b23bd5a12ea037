-- Every enemy under 100 HP gets half again as much. A result that is not a whole number is
-- rounded to the nearest, a tie to the even neighbour, as the editors' Save rounds.
--   tolvane-cli script my.nes examples/half-again-hp.lua --dry-run
for i = 0, #enemies do
    local enemy = enemies[i]
    if enemy.hp < 100 then
        enemy.hp = enemy.hp * 1.5
    end
end
