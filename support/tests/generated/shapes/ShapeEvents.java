package shapes;

/** Events of a shape */
public abstract class ShapeEvents extends brivel.TavoEventListener {

	public abstract void Changed(int what);

	public abstract boolean Closing(boolean[] cancel);

	/** Default constructor for COM-event listener object */

	public ShapeEvents()
	{
		try{
			__TavoEventListenerInit();
		} catch (brivel.TavoException ex) {
			throw new RuntimeException( ex.toString());
		}
	}

	/** JNI functions used internally by Brivel */
	private native boolean __TavoEventListenerInit() throws brivel.TavoException;
	native boolean __TavoLoad( brivel.TavoObject obj, boolean initial );
	static {
		// Object prefers MTA mode.  Check for MTA.
		if ( brivel.TavoObject.__TavoWarnMTA && ! brivel.TavoObject.TavoModeMTA()) {
			System.err.println( "Warning: This program should be run in \"MTA\" mode for best results.  Please see documentation on \"STA and MTA\" modes." );
			brivel.TavoObject.__TavoWarnMTA = false;
		}
		System.loadLibrary( "JShapes" );
	}

}

