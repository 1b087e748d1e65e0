package brivel.out;

/** Holder of a brivel.TavoRecord array passed by reference: the callee may replace the array. */
public class TavoRecordArray {
    /** The array passed in, and after the call the array passed back. */
    public brivel.TavoRecord[] array;

    public TavoRecordArray() {
    }

    public TavoRecordArray(brivel.TavoRecord[] array) {
        this.array = array;
    }

    public brivel.TavoRecord[] get() {
        return array;
    }

    public void set(brivel.TavoRecord[] array) {
        this.array = array;
    }
}
