package brivel;

/** The exception that Brivel's natives and generated classes throw for COM failures. */
public class TavoException extends Exception {
    private static final long serialVersionUID = 1L;

    public TavoException() {
        super();
    }

    public TavoException(String message) {
        super(message);
    }
}
