#include "text/reserve_texts.h"

#include <array>
#include <cstddef>

#include "text/language_tables.h"

namespace trb::text {

namespace {

const std::array<language_tables::CaptionRow, kReserveTextCount> kReserveRows = {{
    {"Reserven", "Reserves", "Réserves", "Rezerve", "여유"},
    {"{what} darf bis {value} ({change}) steigen, bevor {film} {limit} erreicht.",
     "{what} may rise to {value} ({change}) before {film} reaches {limit}.",
     "{what} peut monter jusqu'à {value} ({change}) avant que {film} n'atteigne {limit}.",
     "{what} poate creste pana la {value} ({change}) inainte ca {film} sa atinga {limit}.",
     "{film}이(가) {limit}에 도달하기 전까지 {what}은(는) {value} ({change})까지 올라갈 수 있습니다."},
    {"{what} darf bis {value} ({change}) sinken, bevor {film} {limit} erreicht.",
     "{what} may fall to {value} ({change}) before {film} reaches {limit}.",
     "{what} peut descendre jusqu'à {value} ({change}) avant que {film} n'atteigne {limit}.",
     "{what} poate scadea pana la {value} ({change}) inainte ca {film} sa atinga {limit}.",
     "{film}이(가) {limit}에 도달하기 전까지 {what}은(는) {value} ({change})까지 내려갈 수 있습니다."},
    {"{film} liegt schon jenseits von {limit}: {what} muss bis {value} ({change}) sinken.",
     "{film} is beyond {limit} already: {what} must fall to {value} ({change}).",
     "{film} est déjà au-delà de {limit} : {what} doit descendre jusqu'à {value} ({change}).",
     "{film} este deja dincolo de {limit}: {what} trebuie sa scada pana la {value} ({change}).",
     "{film}은(는) 이미 {limit}을(를) 벗어났습니다: {what}은(는) {value} ({change})까지 내려가야 합니다."},
    {"{film} liegt schon jenseits von {limit}: {what} muss bis {value} ({change}) steigen.",
     "{film} is beyond {limit} already: {what} must rise to {value} ({change}).",
     "{film} est déjà au-delà de {limit} : {what} doit monter jusqu'à {value} ({change}).",
     "{film} este deja dincolo de {limit}: {what} trebuie sa creasca pana la {value} ({change}).",
     "{film}은(는) 이미 {limit}을(를) 벗어났습니다: {what}은(는) {value} ({change})까지 올라가야 합니다."},
    {"{film} erreicht {limit} nicht, solange {what} zwischen {from} und {to} bleibt.",
     "{film} does not reach {limit} while {what} stays between {from} and {to}.",
     "{film} n'atteint pas {limit} tant que {what} reste entre {from} et {to}.",
     "{film} nu atinge {limit} cat timp {what} ramane intre {from} si {to}.",
     "{what}이(가) {from}에서 {to} 사이에 있는 동안 {film}은(는) {limit}에 도달하지 않습니다."},
    {"Bei diesem Spiel ergibt der Fall selbst keinen Betriebszustand; {film} erreicht {limit} bei {at}.",
     "At this clearance the case itself gives no operating state; {film} reaches {limit} at {at}.",
     "Avec ce jeu le cas lui-même ne donne pas d'état de fonctionnement ; {film} atteint {limit} à {at}.",
     "La acest joc cazul insusi nu da o stare de functionare; {film} atinge {limit} la {at}.",
     "이 간극에서는 해당 경우 자체의 운전 상태가 없습니다. {film}은(는) {at}에서 {limit}에 도달합니다."},
    {"Bei diesem Spiel ergibt der Fall selbst keinen Betriebszustand; {film} erreicht {limit} nicht.",
     "At this clearance the case itself gives no operating state; {film} does not reach {limit}.",
     "Avec ce jeu le cas lui-même ne donne pas d'état de fonctionnement ; {film} n'atteint pas {limit}.",
     "La acest joc cazul insusi nu da o stare de functionare; {film} nu atinge {limit}.",
     "이 간극에서는 해당 경우 자체의 운전 상태가 없습니다. {film}은(는) {limit}에 도달하지 않습니다."},
    {"Die Last", "The load", "La charge", "Sarcina", "하중"},
    {"Die Drehzahl", "The shaft speed", "La vitesse de l'arbre", "Turatia arborelui", "축 회전수"},
    {"Die Eintrittstemperatur", "The inlet temperature", "La température d'entrée", "Temperatura de intrare",
     "입구 온도"},
    {"Die Umgebungstemperatur", "The ambient temperature", "La température ambiante", "Temperatura mediului",
     "주위 온도"},
    {"kleinstes Spiel", "smallest clearance", "jeu minimal", "joc minim", "최소 간극"},
    {"mittleres Spiel", "mean clearance", "jeu moyen", "joc mediu", "평균 간극"},
    {"größtes Spiel", "largest clearance", "jeu maximal", "joc maxim", "최대 간극"},
    {"maßgebend", "governing", "déterminant", "determinant", "지배적"},
    {"Fall", "Case", "Cas", "Caz", "경우"},
    {"Die Reserven werden gesucht...", "Searching the reserves...", "Recherche des réserves...",
     "Se cauta rezervele...", "여유를 찾는 중..."},
    {"Suche abgebrochen", "Search stopped", "Recherche interrompue", "Cautare oprita", "검색 중단"},
    {"&Drucken...", "&Print...", "I&mprimer...", "&Imprimare...", "프린트(&P)..."},
    {"&PDF...", "&PDF...", "&PDF...", "&PDF...", "&PDF..."},
    {"&Schließen", "&Close", "&Fermer", "&Inchide", "닫기(&C)"},
}};

}  // namespace

std::string_view Reserve(int language, ReserveText id) {
    const language_tables::CaptionRow& row = kReserveRows[static_cast<std::size_t>(id)];
    const char* text = language_tables::CaptionFor(row, language);
    return text != nullptr ? text : row.german;
}

}  // namespace trb::text
