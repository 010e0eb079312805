#include "shared/Globals.h"

int AanroepScherm = 0;
bool BezigMetLaden = false;
QStringList Velden;

QString NieuweNaam;
QString SessieNaam;
QString SessieBestand;

int KalenderModus = 0;
QString GekozenDatum;

QString EigenEmailAdres;
QString EigenaarNaam;

QString CvnMap;
QString CvnSerie;

bool InternetAanwezig = false;
bool WebsiteBereikbaar = false;

double KleurZwart = 0;
double KleurWit = 16777215;
double KleurKopRij = 16777215;
