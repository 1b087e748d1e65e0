package brivel.out;

/** Holder of a String array passed by reference: the callee may replace the array. */
public class TavoStringArray {
    /** The array passed in, and after the call the array passed back. */
    public String[] array;

    public TavoStringArray() {
    }

    public TavoStringArray(String[] array) {
        this.array = array;
    }

    public String[] get() {
        return array;
    }

    public void set(String[] array) {
        this.array = array;
    }
}
