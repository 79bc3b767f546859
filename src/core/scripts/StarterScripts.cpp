// The scripts a first start offers when there is no library file yet.
// Texts are code-page 1255; each Hebrew literal has its reading beside it.
#include <string>
#include <vector>

#include "core/scripts/ScriptDb.h"
#include "core/text/Lines.h"

namespace qm::scripts {

ScriptList starterScripts() {
  using lines::join;
  ScriptList list;
  {
    ScriptRec r;
    r.SName = "\xEB\xF4\xFA\xE5\xF8 \xE7\xE6\xF8\xE4 \xEC\xE3\xF3 \xE4\xF7\xE5\xE3\xED";  // כפתור חזרה לדף הקודם
    r.SDescription = join({
        "\xEB\xF4\xFA\xE5\xF8 \xF9\xEE\xE7\xE6\xE9\xF8 \xE0\xFA \xE4\xE2\xE5\xEC\xF9 \xEC\xE3\xF3 \xF9\xEE\xEE\xF0\xE5 \xE4\xE2\xE9\xF2.",  // כפתור שמחזיר את הגולש לדף שממנו הגיע.
    });
    r.STextAtCrsr = join({
        "<FORM><INPUT TYPE=\"button\" VALUE=\"$$TEXT$\" onClick=\"history.back()\"></FORM>",
    });
    r.ListOfVars = formatVars({
        {"TEXT", "\xE4\xEB\xE9\xFA\xE5\xE1 \xF2\xEC \xE4\xEB\xF4\xFA\xE5\xF8", "\xE7\xE6\xE5\xF8", "SH"},  // הכיתוב על הכפתור / חזור
    });
    insertScript(list, std::move(r));
  }
  {
    ScriptRec r;
    r.SName = "\xF7\xE9\xF9\xE5\xF8 \xEC\xF8\xE0\xF9 \xE4\xE3\xF3";  // קישור לראש הדף
    r.SDescription = join({
        "\xEE\xE5\xF1\xE9\xF3 \xF1\xE9\xEE\xF0\xE9\xE4 \xE1\xF8\xE0\xF9 \xE2\xE5\xF3 \xE4\xE3\xF3, \xE5\xE1\xEE\xF7\xE5\xED \xE4\xF1\xEE\xEF \xF7\xE9\xF9\xE5\xF8 \xE0\xEC\xE9\xE4.",  // מוסיף סימניה בראש גוף הדף, ובמקום הסמן קישור אליה.
    });
    r.STextAtCrsr = join({
        "<A HREF=\"#qmTop\">$$TEXT$</A>",
    });
    r.STextAtBody = join({
        "<A NAME=\"qmTop\"></A>",
    });
    r.ListOfVars = formatVars({
        {"TEXT", "\xE8\xF7\xF1\xE8 \xE4\xF7\xE9\xF9\xE5\xF8", "\xEC\xF8\xE0\xF9 \xE4\xE3\xF3", "SH"},  // טקסט הקישור / לראש הדף
    });
    insertScript(list, std::move(r));
  }
  {
    ScriptRec r;
    r.SName = "\xFA\xEE\xE5\xF0\xE4 \xEE\xFA\xE7\xEC\xF4\xFA \xE1\xEE\xF2\xE1\xF8 \xF2\xEB\xE1\xF8";  // תמונה מתחלפת במעבר עכבר
    r.SDescription = join({
        "\xFA\xEE\xE5\xF0\xE4 \xF9\xEE\xFA\xE7\xEC\xF4\xFA \xE1\xFA\xEE\xE5\xF0\xE4 \xE0\xE7\xF8\xFA \xEB\xF9\xE4\xF2\xEB\xE1\xF8 \xF2\xE5\xE1\xF8 \xF2\xEC\xE9\xE4",  // תמונה שמתחלפת בתמונה אחרת כשהעכבר עובר עליה
        "\xE5\xE7\xE5\xE6\xF8\xFA \xEB\xF9\xE4\xE5\xE0 \xE9\xE5\xF6\xE0 \xEE\xEE\xF0\xE4.",  // וחוזרת כשהוא יוצא ממנה.
    });
    r.STextAtCrsr = join({
        "<IMG SRC=\"$$PIC1$\" onMouseOver=\"this.src='$$PIC2$'\" onMouseOut=\"this.src='$$PIC1$'\" BORDER=\"0\">",
    });
    r.ListOfVars = formatVars({
        {"PIC1", "\xE4\xFA\xEE\xE5\xF0\xE4 \xE4\xF8\xE2\xE9\xEC\xE4", "pic1.gif", "FP"},  // התמונה הרגילה / pic1.gif
        {"PIC2", "\xE4\xFA\xEE\xE5\xF0\xE4 \xE1\xEE\xF2\xE1\xF8 \xF2\xEB\xE1\xF8", "pic2.gif", "FP"},  // התמונה במעבר עכבר / pic2.gif
    });
    insertScript(list, std::move(r));
  }
  {
    ScriptRec r;
    r.SName = "\xFA\xE0\xF8\xE9\xEA \xF9\xEC \xE4\xE9\xE5\xED";  // תאריך של היום
    r.SDescription = join({
        "\xEB\xE5\xFA\xE1 \xE1\xEE\xF7\xE5\xED \xE4\xF1\xEE\xEF \xE0\xFA \xE4\xFA\xE0\xF8\xE9\xEA \xF9\xEC \xE4\xE9\xE5\xED (\xE9\xE5\xED/\xE7\xE5\xE3\xF9/\xF9\xF0\xE4)",  // כותב במקום הסמן את התאריך של היום (יום/חודש/שנה)
        "\xE1\xF6\xE1\xF2 \xF9\xF0\xE1\xE7\xF8.",  // בצבע שנבחר.
    });
    r.STextAtCrsr = join({
        "<SCRIPT LANGUAGE=\"JavaScript\">",
        "<!--",
        "var qmNow = new Date();",
        "document.write(\"<FONT COLOR=\\\"#$$COLOR$\\\">\" + qmNow.getDate() + \"/\" + (qmNow.getMonth() + 1) + \"/\" + qmNow.getFullYear() + \"</FONT>\");",
        "// -->",
        "</SCRIPT>",
    });
    r.ListOfVars = formatVars({
        {"COLOR", "\xF6\xE1\xF2 \xE4\xFA\xE0\xF8\xE9\xEA", "000080", "C"},  // צבע התאריך / 000080
    });
    insertScript(list, std::move(r));
  }
  {
    ScriptRec r;
    r.SName = "\xE4\xE5\xE3\xF2\xFA \xF4\xFA\xE9\xE7\xE4";  // הודעת פתיחה
    r.SDescription = join({
        "\xEE\xF6\xE9\xE2 \xE4\xE5\xE3\xF2\xE4 \xF7\xE5\xF4\xF6\xFA \xEB\xF9\xE4\xE3\xF3 \xF0\xE8\xF2\xEF.",  // מציג הודעה קופצת כשהדף נטען.
        "\xE0\xFA \xE4\xE4\xE5\xE3\xF2\xE4 \xEB\xE5\xFA\xE1\xE9\xED \xE1\xEE\xF9\xFA\xF0\xE4 MSG.",  // את ההודעה כותבים במשתנה MSG.
    });
    r.STextAtHead = join({
        "<SCRIPT LANGUAGE=\"JavaScript\">",
        "<!--",
        "function qmWelcome() {",
        "  alert(\"$$MSG$\");",
        "}",
        "// -->",
        "</SCRIPT>",
    });
    r.AddOnLoad = "qmWelcome()";
    r.ListOfVars = formatVars({
        {"MSG", "\xE4\xE4\xE5\xE3\xF2\xE4 \xF9\xFA\xE5\xF6\xE2", "\xE1\xF8\xE5\xEB\xE9\xED \xE4\xE1\xE0\xE9\xED \xEC\xE0\xFA\xF8", "SH"},  // ההודעה שתוצג / ברוכים הבאים לאתר
    });
    insertScript(list, std::move(r));
  }
  return list;
}

}  // namespace qm::scripts
