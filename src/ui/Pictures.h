#pragma once

#include <QPixmap>

// The program's numbered pictures. The numbers are fixed: windows and printed documents refer to
// a picture by its number, and the artwork under each number is drawn by tools/DrawPictures.
namespace Picture {
constexpr int Logo = 0;                   // 1046 x 552, middle of the main window
constexpr int Patients = 1;               // 64 x 64, corner of the patient and tables windows
constexpr int LetterheadPrescription = 2; // 703 x 173
constexpr int OpenFolder = 3;             // 24 x 24, select-patient and section buttons
constexpr int LetterheadCertificate = 4;  // 703 x 205
constexpr int ArrowRight = 5;             // 40 x 40, close button of the medical record
constexpr int BlankTile = 6;              // 32 x 32, plain grey tile of the record's icon bar
constexpr int RecordIconFirst = 7;        // 7 to 20: the 14 icons of the record's icon bar, 32 x 32
constexpr int RecordIconCount = 14;
constexpr int Capsules = 21;            // 54 x 36, medicines page
constexpr int PatientInBed = 22;        // 62 x 48, diseases page
constexpr int HandWriting = 23;         // 48 x 49, prescriptions page
constexpr int ButtonDelete = 24;        // 140 x 40, "(Alt+Sup) Supprimer"
constexpr int ButtonNewPatient = 25;    // 140 x 40, "(#F6) Nouveau Patient"
constexpr int ButtonValidate = 26;      // 140 x 40, "(#F5) Valider"
constexpr int LetterheadSickLeave = 31; // 703 x 251
constexpr int LetterheadJournals = 32;  // 899 x 176
constexpr int LetterheadLetter = 33;    // 703 x 235
constexpr int LetterheadCard = 35;      // 703 x 235, the appointment card
constexpr int ToolbarFirst = 100;       // 100 to 119: the toolbar buttons, in toolbar order
constexpr int ToolbarCount = 20;
constexpr int ToolbarFiller = 200; // 128 x 128
} // namespace Picture

// Every picture number the program carries, in ascending order.
const QList<int> &pictureNumbers();

// Makes the pictures available; each is decoded once, when first asked for.
void loadPictures();

// Starts decoding these pictures on a thread of their own, so that start-up's other work runs
// meanwhile; picture() waits for one still being decoded.
void decodePicturesAhead(const QList<int> &numbers);

// The picture under a number (a null pixmap for a number the program does not carry).
const QPixmap &picture(int number);
