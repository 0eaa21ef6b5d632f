// The texts of qvpen's dialogs in the 27 interface languages, one row per
// language, copied from the product's text tables. Control id 0 stands for
// the dialog itself (its caption). The Arabic, Persian and Hebrew texts are
// stored in display order, as the device shows them without reordering.
// Generated once from the tables and kept as data: edit texts here.
#include "dialog_texts.h"

namespace {

const DialogStringPair kOptionsRussian[] = {{1025, TEXT("Выберите таблицу транслитерации:")}, {1014, TEXT("Добавить")}, {1015, TEXT("Удалить")}, {1016, TEXT("Изменить")}};  // 1049 Russian
const DialogStringPair kOptionsEnglish[] = {{1025, TEXT("Select the transliteration table:")}, {1014, TEXT("Add")}, {1015, TEXT("Remove")}, {1016, TEXT("Change")}};  // 1033 English
const DialogStringPair kOptionsNorwegian[] = {{1025, TEXT("Velg translitterasjonslisten:")}, {1014, TEXT("Legg til")}, {1015, TEXT("Slett")}, {1016, TEXT("Endre")}};  // 1044 Norwegian
const DialogStringPair kOptionsFinnish[] = {{1025, TEXT("Valitse translitterointitaulukko:")}, {1014, TEXT("Lisää")}, {1015, TEXT("Poista")}, {1016, TEXT("Vaihda")}};  // 1035 Finnish
const DialogStringPair kOptionsSwedish[] = {{1025, TEXT("Välj tabell för translitteration:")}, {1014, TEXT("Lägg till")}, {1015, TEXT("Ta bort")}, {1016, TEXT("Ändra")}};  // 1053 Swedish
const DialogStringPair kOptionsDanish[] = {{1025, TEXT("Vælg translitterations-tabellen:")}, {1014, TEXT("Tilføj")}, {1015, TEXT("Fjern")}, {1016, TEXT("Rediger")}};  // 1030 Danish
const DialogStringPair kOptionsRomanian[] = {{1025, TEXT("Selectaţi tabelul de transliterare:")}, {1014, TEXT("Adăugare")}, {1015, TEXT("Ştergere")}, {1016, TEXT("Modificare")}};  // 1048 Romanian
const DialogStringPair kOptionsEstonian[] = {{1025, TEXT("Vali transliteratsioonitabel:")}, {1014, TEXT("Lisa")}, {1015, TEXT("Eemalda")}, {1016, TEXT("Muuda")}};  // 1061 Estonian
const DialogStringPair kOptionsCzech[] = {{1025, TEXT("Vyberte transliterační tabulku:")}, {1014, TEXT("Přidat")}, {1015, TEXT("Odstranit")}, {1016, TEXT("Změna")}};  // 1029 Czech
const DialogStringPair kOptionsTurkish[] = {{1025, TEXT("Dile özgü karakter (translit.) tablosunu seçin:")}, {1014, TEXT("Ekle")}, {1015, TEXT("Sil")}, {1016, TEXT("Değiştir")}};  // 1055 Turkish
const DialogStringPair kOptionsPolish[] = {{1025, TEXT("Wybierz tablicę transliteracji:")}, {1014, TEXT("Dodaj")}, {1015, TEXT("Usuń")}, {1016, TEXT("Zmień")}};  // 1045 Polish
const DialogStringPair kOptionsGreek[] = {{1025, TEXT("Επιλογή πίνακα μεταγραφής:")}, {1014, TEXT("Προσθήκη")}, {1015, TEXT("Κατάργηση")}, {1016, TEXT("Αλλαγή")}};  // 1032 Greek
const DialogStringPair kOptionsBulgarian[] = {{1025, TEXT("Избери транслитерационно табло:")}, {1014, TEXT("Добави")}, {1015, TEXT("Отстрани")}, {1016, TEXT("Промени")}};  // 1026 Bulgarian
const DialogStringPair kOptionsHungarian[] = {{1025, TEXT("Válassza ki a transzliterációs táblát:")}, {1014, TEXT("Hozzáadás")}, {1015, TEXT("Eltávolítás")}, {1016, TEXT("Változtatás")}};  // 1038 Hungarian
const DialogStringPair kOptionsSerbianCyrillic[] = {{1025, TEXT("Одаберите табелу за транслитерацију:")}, {1014, TEXT("Додај")}, {1015, TEXT("Уклони")}, {1016, TEXT("Измени")}};  // 3098 Serbian (Cyrillic)
const DialogStringPair kOptionsCroatian[] = {{1025, TEXT("Izaberite transliteracijsku tablicu:")}, {1014, TEXT("Dodaj")}, {1015, TEXT("Ukloni")}, {1016, TEXT("Promjeni")}};  // 1050 Croatian
const DialogStringPair kOptionsSlovenian[] = {{1025, TEXT("Izberite prečrkovalno preglednico:")}, {1014, TEXT("Dodaj")}, {1015, TEXT("Odstrani")}, {1016, TEXT("Spremeni")}};  // 1060 Slovenian
const DialogStringPair kOptionsSlovak[] = {{1025, TEXT("Vyberte tabuľku transkripcie:")}, {1014, TEXT("Pridať")}, {1015, TEXT("Odstrániť")}, {1016, TEXT("Zmeniť")}};  // 1051 Slovak
const DialogStringPair kOptionsLatvian[] = {{1025, TEXT("Izvēlieties atbilstību uzdošanas tabulu:")}, {1014, TEXT("Pievienot")}, {1015, TEXT("Dzēst")}, {1016, TEXT("Mainīt")}};  // 1062 Latvian
const DialogStringPair kOptionsLithuanian[] = {{1025, TEXT("Pažymėkite abėcėlės kaitos lentelę:")}, {1014, TEXT("Įrašyti")}, {1015, TEXT("Panaikinti")}, {1016, TEXT("Pakeisti")}};  // 1063 Lithuanian
const DialogStringPair kOptionsArabic[] = {{1025, TEXT(":ﺔﻠﺑﺎﻘﻤﻟا فﺮﺣﻷا لوﺪﺟ دﺪﺣ")}, {1014, TEXT("ﺔﻓﺎﺿإ")}, {1015, TEXT("ﺔﻟازإ")}, {1016, TEXT("ﺮﯿﯿﻐﺗ")}};  // 1025 Arabic
const DialogStringPair kOptionsPersian[] = {{1025, TEXT(":ﺪﯿﻨﻛ بﺎﺨﺘﻧا ار فوﺮﺣ نادﺮﮔﺮﺑ لوﺪﺟ")}, {1014, TEXT("ﻪﻓﺎﺿا")}, {1015, TEXT("فﺬﺣ")}, {1016, TEXT("ﺮﯿﯿﻐﺗ")}};  // 1065 Persian
const DialogStringPair kOptionsHebrew[] = {{1025, TEXT(":קיתעתה תלבטב רחב")}, {1014, TEXT("ףיסוהל")}, {1015, TEXT("דירוהל")}, {1016, TEXT("תונשל")}};  // 1037 Hebrew
const DialogStringPair kOptionsFrench[] = {{1025, TEXT("Sélectionnez la table de translittération:")}, {1014, TEXT("Ajouter")}, {1015, TEXT("Supprimer")}, {1016, TEXT("Modifier")}};  // 1036 French
const DialogStringPair kOptionsGerman[] = {{1025, TEXT("Wählen Sie die Transliterationstabelle:")}, {1014, TEXT("Hinzufügen")}, {1015, TEXT("Entfernen")}, {1016, TEXT("Ändern")}};  // 1031 German
const DialogStringPair kOptionsDutch[] = {{1025, TEXT("Selecteer spellingstabel:")}, {1014, TEXT("Toevoegen")}, {1015, TEXT("Verwijderen")}, {1016, TEXT("Wijzigen")}};  // 1043 Dutch
const DialogStringPair kOptionsItalian[] = {{1025, TEXT("Seleziona la tabella di traslitterazione:")}, {1014, TEXT("Aggiungi")}, {1015, TEXT("Rimuovi")}, {1016, TEXT("Cambia")}};  // 1040 Italian

const DialogStringPair kRuleRussian[] = {{0, TEXT("Правило транслитерации")}, {1023, TEXT("Заменить букву")}, {1017, TEXT("и букву")}, {1024, TEXT("на букву")}, {1, TEXT("Сохранить")}};  // 1049 Russian
const DialogStringPair kRuleEnglish[] = {{0, TEXT("Transliteration rule")}, {1023, TEXT("Map character")}, {1017, TEXT("And character")}, {1024, TEXT("To character")}, {1, TEXT("Save")}};  // 1033 English
const DialogStringPair kRuleNorwegian[] = {{0, TEXT("Translitterasjonsregel")}, {1023, TEXT("Endre tegn")}, {1017, TEXT("Og tegn")}, {1024, TEXT("Til tegn")}, {1, TEXT("Lagre")}};  // 1044 Norwegian
const DialogStringPair kRuleFinnish[] = {{0, TEXT("Translitterointisääntö")}, {1023, TEXT("Muokkaa merkki")}, {1017, TEXT("Ja merkki")}, {1024, TEXT("Merkiksi")}, {1, TEXT("Tallenna")}};  // 1035 Finnish
const DialogStringPair kRuleSwedish[] = {{0, TEXT("Regel för translitteration")}, {1023, TEXT("Ändra symbol")}, {1017, TEXT("Och symbol")}, {1024, TEXT("Till symbol")}, {1, TEXT("Spara")}};  // 1053 Swedish
const DialogStringPair kRuleDanish[] = {{0, TEXT("Translitterations-regel")}, {1023, TEXT("Afbildningstegn")}, {1017, TEXT("Og tegn")}, {1024, TEXT("Til tegn")}, {1, TEXT("Gem")}};  // 1030 Danish
const DialogStringPair kRuleRomanian[] = {{0, TEXT("Regulă transliterare")}, {1023, TEXT("Mapare caracter")}, {1017, TEXT("Şi caracter")}, {1024, TEXT("În caracter")}, {1, TEXT("Salvare")}};  // 1048 Romanian
const DialogStringPair kRuleEstonian[] = {{0, TEXT("Transliteratsioonireegel")}, {1023, TEXT("Teisenda märk")}, {1017, TEXT("ja märk")}, {1024, TEXT("märgiks")}, {1, TEXT("Salvesta")}};  // 1061 Estonian
const DialogStringPair kRuleCzech[] = {{0, TEXT("Pravidlo transliterace")}, {1023, TEXT("Znak")}, {1017, TEXT("a znak")}, {1024, TEXT("změnit na znak")}, {1, TEXT("Uložit")}};  // 1029 Czech
const DialogStringPair kRuleTurkish[] = {{0, TEXT("Dile özgü karakter kuralı")}, {1023, TEXT("Harita karakteri")}, {1017, TEXT("Ek karakter")}, {1024, TEXT("Elde edilen karakter")}, {1, TEXT("Kaydet")}};  // 1055 Turkish
const DialogStringPair kRulePolish[] = {{0, TEXT("Reguła transliteracji")}, {1023, TEXT("Odwzoruj znak")}, {1017, TEXT("I znak")}, {1024, TEXT("Na znak")}, {1, TEXT("Zapisz")}};  // 1045 Polish
const DialogStringPair kRuleGreek[] = {{0, TEXT("Κανόνας μεταγραφής")}, {1023, TEXT("Μεταγραφή χαρακτήρα")}, {1017, TEXT("Και χαρακτήρα")}, {1024, TEXT("Σε χαρακτήρα")}, {1, TEXT("Αποθήκευση")}};  // 1032 Greek
const DialogStringPair kRuleBulgarian[] = {{0, TEXT("Транслит. правило")}, {1023, TEXT("Промени символ")}, {1017, TEXT("И символ")}, {1024, TEXT("На символ")}, {1, TEXT("Съхрани")}};  // 1026 Bulgarian
const DialogStringPair kRuleHungarian[] = {{0, TEXT("Transzliterációs szabály")}, {1023, TEXT("Változtassa ezt a jelet")}, {1017, TEXT("és ezt a jelet")}, {1024, TEXT("ezzé a jellé")}, {1, TEXT("Mentés")}};  // 1038 Hungarian
const DialogStringPair kRuleSerbianCyrillic[] = {{0, TEXT("Правило за транслитерацију")}, {1023, TEXT("Унето слово")}, {1017, TEXT("Ознака за додавање")}, {1024, TEXT("Специјално слово")}, {1, TEXT("Мемориши")}};  // 3098 Serbian (Cyrillic)
const DialogStringPair kRuleCroatian[] = {{0, TEXT("Transliteracijsko pravilo")}, {1023, TEXT("Mijenjaj znak")}, {1017, TEXT("Znak i")}, {1024, TEXT("U znak")}, {1, TEXT("Spremi")}};  // 1050 Croatian
const DialogStringPair kRuleSlovenian[] = {{0, TEXT("Prečrkovalno pravilo")}, {1023, TEXT("Preslikaj znak")}, {1017, TEXT("in znak")}, {1024, TEXT("v znak")}, {1, TEXT("Shrani")}};  // 1060 Slovenian
const DialogStringPair kRuleSlovak[] = {{0, TEXT("Pravidlo transkripcie")}, {1023, TEXT("Namapovať znak")}, {1017, TEXT("a znak")}, {1024, TEXT("do znaku")}, {1, TEXT("Uložiť")}};  // 1051 Slovak
const DialogStringPair kRuleLatvian[] = {{0, TEXT("Atbilstību uzdošanas likums")}, {1023, TEXT("Aizstāt rakstzīmi")}, {1017, TEXT("Un rakstzīmi")}, {1024, TEXT("Ar rakstzīmi")}, {1, TEXT("Saglabāt")}};  // 1062 Latvian
const DialogStringPair kRuleLithuanian[] = {{0, TEXT("Abėcėlės kaitos taisyklė")}, {1023, TEXT("Pakeisti ženklą")}, {1017, TEXT("Ir ženklą")}, {1024, TEXT("Į ženklą")}, {1, TEXT("Išsaugoti")}};  // 1063 Lithuanian
const DialogStringPair kRuleArabic[] = {{0, TEXT("ﺔﻠﺑﺎﻘﻤﻟا فﺮﺣﻷا ﻦﯿﯿﻌﺗ ةﺪﻋﺎﻗ")}, {1023, TEXT("فﺮﺤﻟا ﻦﯿﯿﻌﺗ")}, {1017, TEXT("فﺮﺤﻟاو")}, {1024, TEXT("فﺮﺤﻟا ﻰﻟإ")}, {1, TEXT("ﻆﻔﺣ")}};  // 1025 Arabic
const DialogStringPair kRulePersian[] = {{0, TEXT("فوﺮﺣ نادﺮﮔﺮﺑ هﺪﻋﺎﻗ")}, {1023, TEXT("فﺮﺣ")}, {1017, TEXT("فﺮﺣ و")}, {1024, TEXT("ﻪﺑ ﻦﻛ ﻞﻳﺪﺒﺗ ار")}, {1, TEXT("ﻂﺒﺿ")}};  // 1065 Persian
const DialogStringPair kRuleHebrew[] = {{0, TEXT("קיתעת לש ללכ")}, {1023, TEXT("ות תופמל")}, {1017, TEXT("ות תופמל")}, {1024, TEXT("ת דע")}, {1, TEXT("רומשל")}};  // 1037 Hebrew
const DialogStringPair kRuleFrench[] = {{0, TEXT("Règle de translittération")}, {1023, TEXT("Mapper le caractère")}, {1017, TEXT("Et le caractère")}, {1024, TEXT("Sur le caractère")}, {1, TEXT("Enregistrer")}};  // 1036 French
const DialogStringPair kRuleGerman[] = {{0, TEXT("Umwandlungsregel")}, {1023, TEXT("Den Symbol")}, {1017, TEXT("und Symbol")}, {1024, TEXT("zum Symbol")}, {1, TEXT("Speichern")}};  // 1031 German
const DialogStringPair kRuleDutch[] = {{0, TEXT("Spellingsregel")}, {1023, TEXT("Wijzig teken")}, {1017, TEXT("En teken")}, {1024, TEXT("Naar teken")}, {1, TEXT("Opslaan")}};  // 1043 Dutch
const DialogStringPair kRuleItalian[] = {{0, TEXT("Regola di traslitterazione")}, {1023, TEXT("Trasforma il simbolo")}, {1017, TEXT("E il simbolo")}, {1024, TEXT("Nel simbolo")}, {1, TEXT("Salva")}};  // 1040 Italian

const DialogStringPair kQuestionRussian[] = {{1, TEXT("Выделенное правило будет удалено. Продолжить?")}};  // 1049 Russian
const DialogStringPair kQuestionEnglish[] = {{1, TEXT("Selected rule will be removed. Are you sure you want to remove it?")}};  // 1033 English
const DialogStringPair kQuestionNorwegian[] = {{1, TEXT("Regelen du har valgt vil bli slettet. Er du sikker på at du vil slette den?")}};  // 1044 Norwegian
const DialogStringPair kQuestionFinnish[] = {{1, TEXT("Valittu sääntö poistetaan. Haluatko varmasti poistaa sen?")}};  // 1035 Finnish
const DialogStringPair kQuestionSwedish[] = {{1, TEXT("Vald regel kommer att tas bort. Är du säker på att du vill ta bort denna?")}};  // 1053 Swedish
const DialogStringPair kQuestionDanish[] = {{1, TEXT("Den valgte regel fjernes. Er du sikker på, at du vil slette den?")}};  // 1030 Danish
const DialogStringPair kQuestionRomanian[] = {{1, TEXT("Regula selectată va fi ştearsă. Confirmaţi ştergerea?")}};  // 1048 Romanian
const DialogStringPair kQuestionEstonian[] = {{1, TEXT("Valitud reegel eemaldakse. Kas oled kindel, et tahad seda eemaldada?")}};  // 1061 Estonian
const DialogStringPair kQuestionCzech[] = {{1, TEXT("Vybrané pravidlo bude odstraněno. Jste si jisti, že je chcete odstranit?")}};  // 1029 Czech
const DialogStringPair kQuestionTurkish[] = {{1, TEXT("Seçilen kural silinecektir. Silmek istediğinizden emin misiniz?")}};  // 1055 Turkish
const DialogStringPair kQuestionPolish[] = {{1, TEXT("Zaznaczona reguła zostanie usunięta. Czy na pewno chcesz ją usunąć?")}};  // 1045 Polish
const DialogStringPair kQuestionGreek[] = {{1, TEXT("Ο κανόνας που έχει επιλεγεί θα καταργηθεί. Είστε σίγουρος ότι θέλετε να τον καταργήσετε;")}};  // 1032 Greek
const DialogStringPair kQuestionBulgarian[] = {{1, TEXT("Избраното правило ще бъде отстранено. Сигурен ли си, че го искаш?")}};  // 1026 Bulgarian
const DialogStringPair kQuestionHungarian[] = {{1, TEXT("A kiválasztott szabályt eltávolítja. Biztos, hogy el akarja távolítani?")}};  // 1038 Hungarian
const DialogStringPair kQuestionSerbianCyrillic[] = {{1, TEXT("Означено правило ће бити уклоњено. Да ли сте сигурни да желите да га уклоните?")}};  // 3098 Serbian (Cyrillic)
const DialogStringPair kQuestionCroatian[] = {{1, TEXT("Izabrano pravilo će biti uklonjeno. Dali ste sigurni da ga želite ukloniti?")}};  // 1050 Croatian
const DialogStringPair kQuestionSlovenian[] = {{1, TEXT("Izbrano pravilo bo odstranjeno Ali ga res želite odstraniti?")}};  // 1060 Slovenian
const DialogStringPair kQuestionSlovak[] = {{1, TEXT("Vybrané pravidlo sa odstráni. Naozaj ho chcete odstrániť?")}};  // 1051 Slovak
const DialogStringPair kQuestionLatvian[] = {{1, TEXT("Izvēlētais likums tiks dzēsts. Vai jūs patiešām gribat to izdzēst?")}};  // 1062 Latvian
const DialogStringPair kQuestionLithuanian[] = {{1, TEXT("Pažymėta taisyklė bus panaikinta. Iš tiesų norite ją panaikinti?")}};  // 1063 Lithuanian
const DialogStringPair kQuestionArabic[] = {{1, TEXT("ةدﺪﺤﻤﻟا ةﺪﻋﺎﻘﻟا ﺔﻟازإ ﻢﺘﯿﺳ. ؟ﺎﮫﻓﺬﺣ ﻲﻓ ﺪﯿﻛﺄﺘﻟﺎﺑ ﺐﻏﺮﺗ ﻞھ")}};  // 1025 Arabic
const DialogStringPair kQuestionPersian[] = {{1, TEXT("دﻮﺸﯿﻣ فﺬﺣ هﺪﺷ بﺎﺨﺘﻧا هﺪﻋﺎﻗ. ؟دﻮﺷ فﺬﺣ ﺪﯿھاﻮﺨﯿﻣ ﺪﯿﻨﺌﻤﻄﻣ")}};  // 1065 Persian
const DialogStringPair kQuestionHebrew[] = {{1, TEXT("דרוי רחבנה ללכה. ותוא דירוהל ךנוצרבש חוטב התא םאה?")}};  // 1037 Hebrew
const DialogStringPair kQuestionFrench[] = {{1, TEXT("La règle sélectionnée sera supprimée. Voulez-vous continuer?")}};  // 1036 French
const DialogStringPair kQuestionGerman[] = {{1, TEXT("Die markierte Regel wird entfernt. Sind Sie sicher?")}};  // 1031 German
const DialogStringPair kQuestionDutch[] = {{1, TEXT("De geselecteerde regel zal worden verwijderd. Weet u zeker dat u deze wilt verwijderen?")}};  // 1043 Dutch
const DialogStringPair kQuestionItalian[] = {{1, TEXT("La regola selezionata verrà cancellata. Sei sicuro di volerla cancellare?")}};  // 1040 Italian

template <size_t N>
constexpr DialogStringTable Row(LCID language, const DialogStringPair (&pairs)[N])
{
    return {language, pairs, static_cast<int>(N)};
}

}  // namespace

const DialogStringTable kOptionsDialogTexts[kDialogTextRows] = {
    Row(1049, kOptionsRussian),
    Row(1033, kOptionsEnglish),
    Row(1044, kOptionsNorwegian),
    Row(1035, kOptionsFinnish),
    Row(1053, kOptionsSwedish),
    Row(1030, kOptionsDanish),
    Row(1048, kOptionsRomanian),
    Row(1061, kOptionsEstonian),
    Row(1029, kOptionsCzech),
    Row(1055, kOptionsTurkish),
    Row(1045, kOptionsPolish),
    Row(1032, kOptionsGreek),
    Row(1026, kOptionsBulgarian),
    Row(1038, kOptionsHungarian),
    Row(3098, kOptionsSerbianCyrillic),
    Row(1050, kOptionsCroatian),
    Row(1060, kOptionsSlovenian),
    Row(1051, kOptionsSlovak),
    Row(1062, kOptionsLatvian),
    Row(1063, kOptionsLithuanian),
    Row(1025, kOptionsArabic),
    Row(1065, kOptionsPersian),
    Row(1037, kOptionsHebrew),
    Row(1036, kOptionsFrench),
    Row(1031, kOptionsGerman),
    Row(1043, kOptionsDutch),
    Row(1040, kOptionsItalian),
};

const DialogStringTable kRuleDialogTexts[kDialogTextRows] = {
    Row(1049, kRuleRussian),
    Row(1033, kRuleEnglish),
    Row(1044, kRuleNorwegian),
    Row(1035, kRuleFinnish),
    Row(1053, kRuleSwedish),
    Row(1030, kRuleDanish),
    Row(1048, kRuleRomanian),
    Row(1061, kRuleEstonian),
    Row(1029, kRuleCzech),
    Row(1055, kRuleTurkish),
    Row(1045, kRulePolish),
    Row(1032, kRuleGreek),
    Row(1026, kRuleBulgarian),
    Row(1038, kRuleHungarian),
    Row(3098, kRuleSerbianCyrillic),
    Row(1050, kRuleCroatian),
    Row(1060, kRuleSlovenian),
    Row(1051, kRuleSlovak),
    Row(1062, kRuleLatvian),
    Row(1063, kRuleLithuanian),
    Row(1025, kRuleArabic),
    Row(1065, kRulePersian),
    Row(1037, kRuleHebrew),
    Row(1036, kRuleFrench),
    Row(1031, kRuleGerman),
    Row(1043, kRuleDutch),
    Row(1040, kRuleItalian),
};

const DialogStringTable kMessageTexts[kDialogTextRows] = {
    Row(1049, kQuestionRussian),
    Row(1033, kQuestionEnglish),
    Row(1044, kQuestionNorwegian),
    Row(1035, kQuestionFinnish),
    Row(1053, kQuestionSwedish),
    Row(1030, kQuestionDanish),
    Row(1048, kQuestionRomanian),
    Row(1061, kQuestionEstonian),
    Row(1029, kQuestionCzech),
    Row(1055, kQuestionTurkish),
    Row(1045, kQuestionPolish),
    Row(1032, kQuestionGreek),
    Row(1026, kQuestionBulgarian),
    Row(1038, kQuestionHungarian),
    Row(3098, kQuestionSerbianCyrillic),
    Row(1050, kQuestionCroatian),
    Row(1060, kQuestionSlovenian),
    Row(1051, kQuestionSlovak),
    Row(1062, kQuestionLatvian),
    Row(1063, kQuestionLithuanian),
    Row(1025, kQuestionArabic),
    Row(1065, kQuestionPersian),
    Row(1037, kQuestionHebrew),
    Row(1036, kQuestionFrench),
    Row(1031, kQuestionGerman),
    Row(1043, kQuestionDutch),
    Row(1040, kQuestionItalian),
};
