#pragma once
// Lesson texts shared by the lesson tests.
#include <string>

namespace vartel::test {

// The smallest data file a curve is read from: the spreadsheet form with two years.
inline std::string TwoYearData()
{
    return "Y,P,Pc,Pe,Ps,G,BI,RBI,BM,AM,IM,A,LE,Bulletin board\r\n"
           "0,3000,750,0,18000,,6.0000,5.7524,55.00,0.10,0.00,23.9,25.0,\"Stone age.\"\r\n"
           "1,3183,883,0,18000,6.10,6.0000,5.7524,55.00,0.10,0.00,23.4,25.0,\"Stone age.\"\r\n";
}

// A lesson using every field, as WriteLesson writes it.
inline std::string FullLesson()
{
    return R"({
  "version": 1,
  "title": "Groei in de steentijd",
  "instructions": "Kijk naar de grafiek.\nWat gebeurt er na de epidemie?",
  "language": "nl",
  "scenario": 6,
  "parameters": {
    "stable": "20000",
    "birth-index": "5.5",
    "immigration": "-1"
  },
  "events": [
    "0:baby-mortality=40",
    "150:epidemic",
    "150:scenario=2",
    "900:adult-mortality="
  ],
  "speed": 1,
  "locks": {
    "scenario": true,
    "parameters": false,
    "incidents": true,
    "speed": false
  },
  "pausePoints": [
    {
      "year": 100,
      "question": "Hoeveel mensen zijn er?"
    },
    {
      "year": 3000,
      "question": "Waarom \"stabiel\"?"
    }
  ],
  "compare": [
    {
      "name": "two years",
      "data": "Y,P,Pc,Pe,Ps,G,BI,RBI,BM,AM,IM,A,LE,Bulletin board\r\n0,3000,750,0,18000,,6.0000,5.7524,55.00,0.10,0.00,23.9,25.0,\"Stone age.\"\r\n1,3183,883,0,18000,6.10,6.0000,5.7524,55.00,0.10,0.00,23.4,25.0,\"Stone age.\"\r\n"
    }
  ],
  "seed": 2147483647
}
)";
}

} // namespace vartel::test
