#include "scl/jhashReservedWordTable.h"

#include "foundation/gfault.h"

namespace {

struct wordEntry {
    const char* text;
    int kind;
};

constexpr wordEntry words[] = {
    // Reserved, but not accepted by the language.
    {"INPUT", sclWordKind::illegal}, {"MITEQ$", sclWordKind::illegal}, {"BEVAL", sclWordKind::illegal},
    {"LEVAL", sclWordKind::illegal}, {"SBEVAL", sclWordKind::illegal}, {"SLEVAL", sclWordKind::illegal},
    {"BEFMT$", sclWordKind::illegal}, {"LEFMT$", sclWordKind::illegal},
    // Constants.
    {"TRUE%", sclWordKind::constant}, {"FALSE%", sclWordKind::constant}, {"PI", sclWordKind::constant},
    {"RET$", sclWordKind::constant}, {"TAB$", sclWordKind::constant}, {"QUT$", sclWordKind::constant},
    // System variables.
    {"BUFFER$", sclWordKind::systemVariable}, {"NETUP%", sclWordKind::systemVariable},
    {"TIME", sclWordKind::systemVariable}, {"PRGNAME$", sclWordKind::systemVariable},
    {"USR$", sclWordKind::systemVariable}, {"USRLVL", sclWordKind::systemVariable},
    {"TRIGGER$", sclWordKind::systemVariable}, {"TRIGGERDRV$", sclWordKind::systemVariable},
    {"TRIGGERMSG$", sclWordKind::systemVariable}, {"DRVDATA$", sclWordKind::systemVariable},
    {"DRVERROR", sclWordKind::systemVariable}, {"DRVERROR$", sclWordKind::systemVariable},
    {"DRVERROR%", sclWordKind::systemVariable}, {"DRVSUCCESS%", sclWordKind::systemVariable},
    {"DRVTIMEOUT%", sclWordKind::systemVariable},
    // Result variables.
    {"RESULT%", sclWordKind::resultVariable}, {"RESULT", sclWordKind::resultVariable},
    {"GLRESULT", sclWordKind::resultVariable}, {"RESULT$", sclWordKind::resultVariable},
    {"MASKRESULT%", sclWordKind::resultVariable},
    // Operators written as words.
    {"AND", sclWordKind::wordOperator}, {"NOT", sclWordKind::wordOperator}, {"OR", sclWordKind::wordOperator},
    {"XOR", sclWordKind::wordOperator},
    // Statements.
    {"DO", sclWordKind::statement}, {"STEP", sclWordKind::statement}, {"THEN", sclWordKind::statement},
    {"TO", sclWordKind::statement}, {"ELSE", sclWordKind::statement}, {"ELSEIF", sclWordKind::statement},
    {"END", sclWordKind::statement}, {"ENDDO", sclWordKind::statement}, {"ENDIF", sclWordKind::statement},
    {"FOR", sclWordKind::statement}, {"GOSUB", sclWordKind::statement}, {"GOTO", sclWordKind::statement},
    {"IF", sclWordKind::statement}, {"NEXT", sclWordKind::statement}, {"ON", sclWordKind::statement},
    {"REPEAT", sclWordKind::statement}, {"RETURN", sclWordKind::statement}, {"UNTIL", sclWordKind::statement},
    {"WHILE", sclWordKind::statement}, {"APPENDCSTR", sclWordKind::statement},
    {"APPENDENC", sclWordKind::statement}, {"APPENDHEX", sclWordKind::statement},
    {"APPENDSTR", sclWordKind::statement}, {"PARSEDEC", sclWordKind::statement},
    {"PARSEREGEX", sclWordKind::statement}, {"SKIPDEC", sclWordKind::statement},
    {"SKIPREGEX", sclWordKind::statement}, {"ASK", sclWordKind::statement}, {"CONFIRM", sclWordKind::statement},
    {"ERRMSG", sclWordKind::statement}, {"INFO", sclWordKind::statement}, {"PRINT", sclWordKind::statement},
    {"PROMPT", sclWordKind::statement}, {"ADDLITEM", sclWordKind::statement}, {"ADDMITEM", sclWordKind::statement},
    {"BUTTON", sclWordKind::statement}, {"BUTTON0", sclWordKind::statement}, {"CANCELBTN", sclWordKind::statement},
    {"CHKBOX", sclWordKind::statement}, {"CLRLITEMS", sclWordKind::statement},
    {"CLRMITEMS", sclWordKind::statement}, {"DELLITEM", sclWordKind::statement},
    {"DELMITEM", sclWordKind::statement}, {"DIALOG", sclWordKind::statement}, {"DLGERROR", sclWordKind::statement},
    {"DLGLINE", sclWordKind::statement}, {"DLGTEXT", sclWordKind::statement}, {"DLGTITLE", sclWordKind::statement},
    {"INTEDIT", sclWordKind::statement}, {"LIST", sclWordKind::statement}, {"LIST0", sclWordKind::statement},
    {"LISTW", sclWordKind::statement}, {"LISTW0", sclWordKind::statement}, {"LITEM", sclWordKind::statement},
    {"MENU", sclWordKind::statement}, {"MENU0", sclWordKind::statement}, {"MITEM", sclWordKind::statement},
    {"NUMEDIT", sclWordKind::statement}, {"RDBTN", sclWordKind::statement}, {"RDGRP", sclWordKind::statement},
    {"RDGRP0", sclWordKind::statement}, {"SETLITEM", sclWordKind::statement}, {"SETMITEM", sclWordKind::statement},
    {"SLIST", sclWordKind::statement}, {"SLIST0", sclWordKind::statement}, {"SLISTW", sclWordKind::statement},
    {"SLISTW0", sclWordKind::statement}, {"PWDEDIT", sclWordKind::statement}, {"PWDEDIT0", sclWordKind::statement},
    {"STREDIT", sclWordKind::statement}, {"STREDIT0", sclWordKind::statement}, {"CLOSE", sclWordKind::statement},
    {"CONNECT", sclWordKind::statement}, {"FILELOG", sclWordKind::statement}, {"FILELOGR", sclWordKind::statement},
    {"FILELOGG", sclWordKind::statement}, {"FILELOGB", sclWordKind::statement},
    {"FILELOGC", sclWordKind::statement}, {"FILELOGM", sclWordKind::statement},
    {"FILELOGY", sclWordKind::statement}, {"INPUT#", sclWordKind::statement}, {"LIMITFLEN", sclWordKind::statement},
    {"LOG", sclWordKind::statement}, {"LOGR", sclWordKind::statement}, {"LOGG", sclWordKind::statement},
    {"LOGB", sclWordKind::statement}, {"LOGC", sclWordKind::statement}, {"LOGM", sclWordKind::statement},
    {"LOGY", sclWordKind::statement}, {"OPEN", sclWordKind::statement}, {"PRINT#", sclWordKind::statement},
    {"SETFPOS", sclWordKind::statement}, {"CLRANAMAX", sclWordKind::statement},
    {"CLRANAMIN", sclWordKind::statement}, {"HIDE", sclWordKind::statement}, {"INTMASK", sclWordKind::statement},
    {"INTUNMASK", sclWordKind::statement}, {"MASK", sclWordKind::statement},
    {"REVERTINDRANGE", sclWordKind::statement}, {"REVERTOFFLOGSTRING", sclWordKind::statement},
    {"REVERTONLOGSTRING", sclWordKind::statement}, {"REVERTREGNAME", sclWordKind::statement},
    {"SETANAMAX", sclWordKind::statement}, {"SETANAMIN", sclWordKind::statement},
    {"SETANAVAL", sclWordKind::statement}, {"SETANAVALGL", sclWordKind::statement},
    {"SETANAVALS", sclWordKind::statement}, {"SETANAVALSGL", sclWordKind::statement},
    {"SETBSTDLY", sclWordKind::statement}, {"SETBSTVAL", sclWordKind::statement},
    {"SETDIGVAL", sclWordKind::statement}, {"SETINDRANGE", sclWordKind::statement},
    {"SETOFFLOGSTRING", sclWordKind::statement}, {"SETONLOGSTRING", sclWordKind::statement},
    {"SETREGNAME", sclWordKind::statement}, {"SETSTRVAL", sclWordKind::statement},
    {"UNMASK", sclWordKind::statement}, {"UNHIDE", sclWordKind::statement}, {"DISABLECMD", sclWordKind::statement},
    {"DISABLEDRV", sclWordKind::statement}, {"DISABLEMSG", sclWordKind::statement},
    {"ENABLECMD", sclWordKind::statement}, {"ENABLEDRV", sclWordKind::statement},
    {"ENABLEMSG", sclWordKind::statement}, {"GRAB", sclWordKind::statement}, {"RELEASE", sclWordKind::statement},
    {"RESUME", sclWordKind::statement}, {"SENDBIN", sclWordKind::statement}, {"SENDCMD", sclWordKind::statement},
    {"SENDREPLY", sclWordKind::statement}, {"SENDSTR", sclWordKind::statement}, {"SUSPEND", sclWordKind::statement},
    {"MASKDRVOBJ", sclWordKind::statement}, {"SETDRVOBJVAL", sclWordKind::statement},
    {"SETDRVOBJVALGL", sclWordKind::statement}, {"SETDRVOBJVALS", sclWordKind::statement},
    {"SETDRVOBJVALSGL", sclWordKind::statement}, {"UNMASKDRVOBJ", sclWordKind::statement},
    {"CALL", sclWordKind::statement}, {"CALLRMT", sclWordKind::statement}, {"DELAY", sclWordKind::statement},
    {"DRVCALL", sclWordKind::statement}, {"DRVRUN", sclWordKind::statement}, {"LAUNCH", sclWordKind::statement},
    {"RTSERROR", sclWordKind::statement}, {"RTSSEND", sclWordKind::statement}, {"RUN", sclWordKind::statement},
    {"RUNRMT", sclWordKind::statement}, {"SABUSERROR", sclWordKind::statement},
    {"SABUSREPLY", sclWordKind::statement}, {"SETPARAM", sclWordKind::statement},
    {"SETPVAR", sclWordKind::statement}, {"STARTNET", sclWordKind::statement}, {"STOPNET", sclWordKind::statement},
    // Functions.
    {"ABS", sclWordKind::function}, {"COS", sclWordKind::function}, {"EXP", sclWordKind::function},
    {"LN", sclWordKind::function}, {"LOG2", sclWordKind::function}, {"LOG10", sclWordKind::function},
    {"MOD", sclWordKind::function}, {"RND", sclWordKind::function}, {"RNDDWN", sclWordKind::function},
    {"RNDUP", sclWordKind::function}, {"SIN", sclWordKind::function}, {"SQRT", sclWordKind::function},
    {"TAN", sclWordKind::function}, {"CHKSUM", sclWordKind::function}, {"CHKSUMHILO", sclWordKind::function},
    {"CHKSUMLOHI", sclWordKind::function}, {"CHKSUM$", sclWordKind::function}, {"CRC16", sclWordKind::function},
    {"CRC32", sclWordKind::function}, {"CRCCCITT", sclWordKind::function}, {"LEFT$", sclWordKind::function},
    {"LEN", sclWordKind::function}, {"LRC$", sclWordKind::function}, {"LRCHILO", sclWordKind::function},
    {"LRCLOHI", sclWordKind::function}, {"MID$", sclWordKind::function}, {"POS", sclWordKind::function},
    {"PRNCHKSUM$", sclWordKind::function}, {"REGEXPOS", sclWordKind::function}, {"REGEXEND", sclWordKind::function},
    {"RIGHT$", sclWordKind::function}, {"ASCII", sclWordKind::function}, {"BCDVAL", sclWordKind::function},
    {"BINVAL", sclWordKind::function}, {"CCNV$", sclWordKind::function}, {"DECODE", sclWordKind::function},
    {"DECODE$", sclWordKind::function}, {"DECODE%", sclWordKind::function}, {"DECODEREGEX$", sclWordKind::function},
    {"HCNV$", sclWordKind::function}, {"HEXVAL", sclWordKind::function}, {"HILOVAL", sclWordKind::function},
    {"IVAL", sclWordKind::function}, {"LOHIVAL", sclWordKind::function}, {"OCTVAL", sclWordKind::function},
    {"SASCII", sclWordKind::function}, {"SHILOVAL", sclWordKind::function}, {"SLOHIVAL", sclWordKind::function},
    {"VAL", sclWordKind::function}, {"BCDFMT$", sclWordKind::function}, {"BINFMT$", sclWordKind::function},
    {"CHR$", sclWordKind::function}, {"ENCODE$", sclWordKind::function}, {"FMT$", sclWordKind::function},
    {"HEXFMT$", sclWordKind::function}, {"HEXFMT2$", sclWordKind::function}, {"HILOFMT$", sclWordKind::function},
    {"ISTR$", sclWordKind::function}, {"LOHIFMT$", sclWordKind::function}, {"OCTFMT$", sclWordKind::function},
    {"STR$", sclWordKind::function}, {"DAY", sclWordKind::function}, {"GMT", sclWordKind::function},
    {"HRS", sclWordKind::function}, {"INTVMINS$", sclWordKind::function}, {"INTVHRS$", sclWordKind::function},
    {"LCTIME", sclWordKind::function}, {"MINS", sclWordKind::function}, {"MKTIME", sclWordKind::function},
    {"MON", sclWordKind::function}, {"MON$", sclWordKind::function}, {"MONAB$", sclWordKind::function},
    {"SECS", sclWordKind::function}, {"TIME$", sclWordKind::function}, {"WKDAY", sclWordKind::function},
    {"WKDAY$", sclWordKind::function}, {"WKDAYAB$", sclWordKind::function}, {"YR", sclWordKind::function},
    {"COUNTLITEMS", sclWordKind::function}, {"COUNTMITEMS", sclWordKind::function},
    {"LITEM$", sclWordKind::function}, {"LITEMEXISTS%", sclWordKind::function}, {"MAXLITEM", sclWordKind::function},
    {"MAXMITEM", sclWordKind::function}, {"MITEM$", sclWordKind::function}, {"MITEMEXISTS%", sclWordKind::function},
    {"FLEN", sclWordKind::function}, {"FPOS", sclWordKind::function}, {"ANAGL", sclWordKind::function},
    {"ANAHIGH", sclWordKind::function}, {"ANALOW", sclWordKind::function}, {"ANAMAX", sclWordKind::function},
    {"ANAMIN", sclWordKind::function}, {"ANAVAL", sclWordKind::function}, {"BSTDLY", sclWordKind::function},
    {"BSTVAL%", sclWordKind::function}, {"DIGVAL", sclWordKind::function}, {"DIGVAL$", sclWordKind::function},
    {"ONLOGSTR$", sclWordKind::function}, {"OFFLOGSTR$", sclWordKind::function}, {"REGERR%", sclWordKind::function},
    {"REGHIDDEN%", sclWordKind::function}, {"REGMASK%", sclWordKind::function}, {"REGNAME$", sclWordKind::function},
    {"REGSTAT%", sclWordKind::function}, {"STRVAL$", sclWordKind::function}, {"CMDENABLED%", sclWordKind::function},
    {"DRVENABLED%", sclWordKind::function}, {"DRVNDATA$", sclWordKind::function},
    {"DRVNERROR", sclWordKind::function}, {"DRVNERROR$", sclWordKind::function},
    {"DRVREADY%", sclWordKind::function}, {"MSGENABLED%", sclWordKind::function},
    {"SUSPENDED%", sclWordKind::function}, {"DRVOBJERR%", sclWordKind::function},
    {"DRVOBJGL", sclWordKind::function}, {"DRVOBJHIGH", sclWordKind::function},
    {"DRVOBJLOW", sclWordKind::function}, {"DRVOBJMASKED%", sclWordKind::function},
    {"DRVOBJVAL", sclWordKind::function}, {"DRVOBJVAL$", sclWordKind::function},
    {"DRVOBJVAL%", sclWordKind::function}, {"DRVPRM", sclWordKind::function}, {"DRVPRM$", sclWordKind::function},
    {"DRVPRM%", sclWordKind::function}, {"TRIGGERPRM", sclWordKind::function},
    {"TRIGGERPRM$", sclWordKind::function}, {"TRIGGERPRM%", sclWordKind::function},
    {"BUFFER", sclWordKind::function}, {"PARAM", sclWordKind::function}, {"PARAM$", sclWordKind::function},
    {"PARAM%", sclWordKind::function}, {"PVAR", sclWordKind::function}, {"PVAR$", sclWordKind::function},
    {"PVAR%", sclWordKind::function}, {"RTSPRM$", sclWordKind::function}, {"USRPRV%", sclWordKind::function},
};

} // namespace

jhashReservedWordTable::jhashReservedWordTable() : jhashNoCaseStringTable(30)
{
    for (const wordEntry& w : words) {
        auto* word = new gsclWord(w.text, w.kind);
        if (!insert(word)) {
            delete word;
            throw gfault("duplicate word in jhashReservedWordTable::jhashReservedWordTable()");
        }
    }
}

jhashReservedWordTable::~jhashReservedWordTable() { deleteAll(); }

const jhashReservedWordTable& sclReservedWords()
{
    static const jhashReservedWordTable table;
    return table;
}
