package brivel.out;

/** Holder of a brivel.TavoVariant array passed by reference: the callee may replace the array. */
public class TavoVariantArray {
    /** The array passed in, and after the call the array passed back. */
    public brivel.TavoVariant[] array;

    public TavoVariantArray() {
    }

    public TavoVariantArray(brivel.TavoVariant[] array) {
        this.array = array;
    }

    public brivel.TavoVariant[] get() {
        return array;
    }

    public void set(brivel.TavoVariant[] array) {
        this.array = array;
    }
}
