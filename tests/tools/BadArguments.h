#pragma once
// Command lines the tool must refuse, with a piece of the one-line message each must give.
#include <string>
#include <vector>

namespace vartel::test {

struct BadArguments {
    std::vector<std::string> Args;
    std::string MessagePart;
};

inline const std::vector<BadArguments>& BadArgumentTable()
{
    static const std::vector<BadArguments> table{
        {{"--frob"}, "unknown option '--frob'"},
        {{"data.txt"}, "unknown option 'data.txt'"},
        {{"--years"}, "--years needs a value"},
        {{"--data"}, "--data needs a value"},
        {{"--data", ""}, "--data needs a value"},
        {{"--data", "--graph", "g.bmp"}, "--data needs a value"},
        {{"--event"}, "--event needs a value"},
        {{"--compare"}, "--compare needs a value"},
        {{"--compare", "a", "--compare", "b", "--compare", "c", "--compare", "d"},
         "--compare 'd': the graph keeps 3 curves at most"},
        {{"--years", "abc"}, "--years 'abc' is not a whole number"},
        {{"--years", "1.5"}, "--years '1.5' is not a whole number"},
        {{"--years", "99999999999"}, "--years '99999999999' is not a whole number"},
        {{"--years", "3001"}, "--years 3001 is outside 0..3000"},
        {{"--years", "-1"}, "--years -1 is outside 0..3000"},
        {{"--scenario", "0"}, "--scenario 0 is outside 1..7"},
        {{"--scenario", "8"}, "--scenario 8 is outside 1..7"},
        {{"--scenario", "two"}, "--scenario 'two' is not a whole number"},
        {{"--zoom", "3"}, "--zoom '3' is not one of the zoom factors 1, 2, 5,"},
        {{"--zoom", "0"}, "--zoom '0' is not one of the zoom factors"},
        {{"--zoom", "40000"}, "--zoom '40000' is not one of the zoom factors"},
        {{"--zoom", "2.0"}, "--zoom '2.0' is not one of the zoom factors"},
        {{"--seed"}, "--seed needs a value"},
        {{"--seed", "-1"}, "--seed -1 is outside 0..2147483647"},
        {{"--seed", "seven"}, "--seed 'seven' is not a whole number"},
        {{"--seed", "2147483648"}, "--seed '2147483648' is not a whole number"},
        {{"--graph-mode", "pie"}, "--graph-mode 'pie' is not one of population, birth, mortality, survival"},
        {{"--scale", "ln"}, "--scale 'ln' is not one of linear, log"},
        {{"--event", "10"}, "--event 10: expected YEAR:ACTION"},
        {{"--event", "x:epidemic"}, "--event x:epidemic: year 'x' is not a whole number"},
        {{"--event", ":epidemic"}, "--event :epidemic: year '' is not a whole number"},
        {{"--event", "3001:epidemic"}, "--event 3001:epidemic: year 3001 is outside 0..3000"},
        {{"--event", "-1:epidemic"}, "--event -1:epidemic: year -1 is outside 0..3000"},
        {{"--event", "10:war"}, "--event 10:war: unknown action 'war'"},
        {{"--event", "10:Epidemic"}, "--event 10:Epidemic: unknown action 'Epidemic'"},
        {{"--event", "10:"}, "--event 10:: unknown action ''"},
        {{"--event", "10:weather=5"}, "--event 10:weather=5: unknown parameter 'weather'"},
        {{"--event", "10:scenario=8"}, "--event 10:scenario=8: scenario 8 is outside 1..7"},
        {{"--event", "10:scenario=x"}, "--event 10:scenario=x: scenario 'x' is not a whole number"},
        {{"--event", "20:epidemic", "--event", "10:epidemic"},
         "--event 10:epidemic: year 10 comes before the year 20 of the event before it"},
        {{"--years", "5", "--event", "10:epidemic"},
         "--event 10:epidemic: year 10 lies beyond the end of the run (--years 5)"},
        {{"--event", "10:epidemic", "--years", "5"},
         "--event 10:epidemic: year 10 lies beyond the end of the run (--years 5)"},
        {{"--lesson"}, "--lesson needs a value"},
        {{"--save-lesson", "--title", "T"}, "--save-lesson needs a value"},
        {{"--lesson", "l.vartel", "--scenario", "2"},
         "--scenario cannot be given with --lesson, which sets up the run"},
        {{"--event", "5:epidemic", "--lesson", "l.vartel"}, "--event cannot be given with --lesson"},
        {{"--lesson", "l.vartel", "--compare", "a.txt"}, "--compare cannot be given with --lesson"},
        {{"--lesson", "l.vartel", "--save-lesson", "b.vartel"}, "--save-lesson cannot be given with --lesson"},
        {{"--lesson", "l.vartel", "--title", "T"}, "--title cannot be given with --lesson"},
        {{"--title", "T"}, "--title needs --save-lesson"},
        {{"--instructions", "I", "--scenario", "2"}, "--instructions needs --save-lesson"},
        {{"--link", "https://school.example/"}, "--link needs --lesson"},
        {{"--lesson", "l.vartel", "--link", "u", "--graph", "g.png"}, "cannot be given with --link, which only prints"},
        {{"--lesson", "l.vartel", "--link", "u", "--animation", "a.gif"}, "cannot be given with --link"},
        {{"--animation"}, "--animation needs a value"},
        {{"--animation", "run.mp4"}, "--animation 'run.mp4': the animation is a GIF picture, its name ends in .gif"},
        {{"--animation", "gif"}, "--animation 'gif': the animation is a GIF picture"},
        {{"--animation", "a.gif", "--animation-years", "0"}, "--animation-years 0 is outside 1..3000"},
        {{"--animation", "a.gif", "--animation-years", "3001"}, "--animation-years 3001 is outside 1..3000"},
        {{"--animation", "a.gif", "--animation-years", "ten"}, "--animation-years 'ten' is not a whole number"},
        {{"--animation-years", "10"}, "--animation-years needs --animation"},
    };
    return table;
}

} // namespace vartel::test
