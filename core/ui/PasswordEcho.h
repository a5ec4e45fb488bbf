#pragma once

class QLineEdit;

// Password boxes show "*" for each character.
void MaskWithAsterisks(QLineEdit* field);
