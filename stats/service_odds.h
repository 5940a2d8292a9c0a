// What four service statistics imply for the server: the chance of winning
// a service point, of winning it on the first serve, of a double fault, of
// winning the game from deuce and of winning the service game. The teaching
// calculator of the tools menu shows these; they depend on nothing else.
#pragma once

namespace scorvane {

// The four statistics, whole percentages 0..100 (outside values are taken
// as the nearest bound).
struct ServiceInputs {
  int first_in = 50;           // first serves in
  int first_points_won = 50;   // points won when the first serve is in
  int second_in = 50;          // second serves in
  int second_points_won = 50;  // points won when the second serve is in
};

// Probabilities, 0..1.
struct ServiceOdds {
  double point = 0;         // p: winning a service point
  double first_point = 0;   // p1: winning it on a first serve that is in
  double double_fault = 0;  // df
  double from_deuce = 0;    // d: winning the game from deuce
  double game = 0;          // G: winning the service game
};

ServiceOdds ComputeServiceOdds(const ServiceInputs& inputs);

// A probability as the whole percentage shown: 100 x value rounded to the
// nearest whole number the way printf's "%.0f" writes it.
int ShownPercentage(double probability);

}  // namespace scorvane
