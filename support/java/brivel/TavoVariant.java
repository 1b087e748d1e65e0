package brivel;

/** Holds a COM VARIANT that the natives made; the runtime owns its memory. */
public class TavoVariant {
    /** Address of the VARIANT held (0 for an empty holder). */
    protected int __TavoVariantData;

    public TavoVariant() {
    }
}
