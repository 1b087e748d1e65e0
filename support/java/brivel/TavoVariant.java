package brivel;

/** Holds a COM VARIANT that the natives made; the holder owns its VARIANT. */
public class TavoVariant {
    /** Address of the VARIANT held (0 for an empty holder). */
    protected int __TavoVariantData;

    static {
        System.loadLibrary("brivellib18");
    }

    public TavoVariant() {
    }

    /** A VT_I4 value. */
    public TavoVariant(int value) {
        __TavoSetInt(value);
    }

    /** A VT_BSTR value. */
    public TavoVariant(String value) {
        __TavoSetString(value);
    }

    /** The VARTYPE of the value (0 for empty). */
    public native int getVarType();

    /** The value converted to an int. */
    public native int getInt() throws TavoException;

    /** The value converted to a string. */
    public native String getString() throws TavoException;

    /** Clears the VARIANT and frees it; the holder is empty afterwards. */
    public native void TavoRelease();

    private native void __TavoSetInt(int value);

    private native void __TavoSetString(String value);
}
