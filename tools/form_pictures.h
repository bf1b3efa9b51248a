// The illustrations of the duct, operating-equipment and storage-tank screens.
#pragma once

#include <QString>

// Writes Duct.jpg, Equipment.jpg, TankBox.jpg, TankCylinder.jpg and TankSphere.jpg into dir.
void WriteFormPictures(const QString& dir);
