// The pictures of the reference documents, by group; each writes its files into `dir`
// (the picture folder data/QDTgraph).
#pragma once

#include <QString>

void ProductPictures(const QString& dir);    // C1_1, C2_1..6 (and the "C" variants), C3_1, C3_2
void PipingPictures(const QString& dir);     // C5_1, C5_2, C5_2C, C6_1..C6_4
void ReferencePictures(const QString& dir);  // WW_B1..WW_B10
void MapPicture(const QString& dir);         // C_Map
void ConvectionChart(const QString& dir);    // ha.jpg, from the program's surface coefficient
void MakerLogo(const QString& dir);          // QDTB.svg
