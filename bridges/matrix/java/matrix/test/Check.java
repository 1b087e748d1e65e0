package matrix.test;

import brivel.TavoEnumeration;
import brivel.TavoException;
import brivel.TavoRecord;
import brivel.TavoVariant;

import java.awt.Color;
import java.util.Calendar;
import java.util.Date;

/** Values and comparisons of the matrix's Java programs. */
public final class Check {
    private Check() {
    }

    /** A date of local time (the COM side's DATE is local time). */
    public static Date date(int year, int month, int day, int hour, int minute, int second) {
        Calendar calendar = Calendar.getInstance();
        calendar.clear();
        calendar.set(year, month - 1, day, hour, minute, second);
        return calendar.getTime();
    }

    public static boolean variantInt(TavoVariant value, int expected) throws TavoException {
        return value != null && value.getVarType() == 3 && value.getInt() == expected;
    }

    public static boolean variantType(TavoVariant value, int vt) {
        return value != null && value.getVarType() == vt;
    }

    public static boolean variantText(TavoVariant value, String expected) throws TavoException {
        return value != null && value.getVarType() == 8 && expected.equals(value.getString());
    }

    public static String showVariant(TavoVariant value) {
        if (value == null) return "null";
        try {
            return "vt " + value.getVarType() + " " + value.getString();
        } catch (TavoException e) {
            return "vt " + value.getVarType();
        }
    }

    public static boolean tone(TavoEnumeration value, int expected) {
        return value != null && value.getEnumeratedIntValue() == expected;
    }

    public static String showTone(TavoEnumeration value) {
        return value == null ? "null" : String.valueOf(value.getEnumeratedIntValue());
    }

    public static boolean color(Color value, int red, int green, int blue) {
        return value != null && value.getRed() == red && value.getGreen() == green && value.getBlue() == blue;
    }

    /** The public fields of a record, in order. */
    public static String showRecord(TavoRecord record) {
        if (record == null) return "null";
        StringBuilder text = new StringBuilder("{");
        for (java.lang.reflect.Field field : record.getClass().getFields()) {
            if (java.lang.reflect.Modifier.isStatic(field.getModifiers())) continue;
            try {
                text.append(text.length() > 1 ? ", " : "").append(field.get(record));
            } catch (IllegalAccessException e) {
                text.append("?");
            }
        }
        return text.append("}").toString();
    }

    /** The elements of an array, shown one by one. */
    public static String showArray(Object array) {
        if (array == null) return "null";
        StringBuilder text = new StringBuilder("[");
        int n = java.lang.reflect.Array.getLength(array);
        for (int i = 0; i < n; i++) {
            Object element = java.lang.reflect.Array.get(array, i);
            String shown = element instanceof TavoVariant ? showVariant((TavoVariant) element)
                    : element instanceof TavoEnumeration ? showTone((TavoEnumeration) element)
                    : element instanceof TavoRecord ? showRecord((TavoRecord) element)
                    : String.valueOf(element);
            text.append(i > 0 ? ", " : "").append(shown);
        }
        return text.append("]").toString();
    }
}
